#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/DataCheck.h"

namespace {

// Runs the check in a scratch copy of the game's data, broken as each case needs.
class DataCheck : public testing::Test {
protected:
    void SetUp() override
    {
        char here[4096];
        ASSERT_NE(getcwd(here, sizeof here), nullptr);
        gameDir = here;
        char pattern[] = "/tmp/orkcave-data.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        scratch = pattern;
        ASSERT_EQ(run("cp -r '" + gameDir + "/textures' '" + gameDir + "/sounds' '" + gameDir + "/maps' '" + scratch
                      + "'"),
                  0);
        ASSERT_EQ(chdir(scratch.c_str()), 0);
    }
    void TearDown() override
    {
        EXPECT_EQ(chdir(gameDir.c_str()), 0);
        run("rm -rf '" + scratch + "'");
    }
    static int run(const std::string& command) { return std::system(command.c_str()); }

    std::string gameDir;
    std::string scratch;
};

}

TEST_F(DataCheck, ShippedDataPasses)
{
    EXPECT_EQ(findDataProblem(), "");
}

TEST_F(DataCheck, MissingFilesAreNamed)
{
    run("rm textures/rock.bmp");
    EXPECT_EQ(findDataProblem(), "Missing data file: textures//rock.bmp");
    run("cp '" + gameDir + "/textures/rock.bmp' textures/ && rm sounds/warg.wav");
    EXPECT_EQ(findDataProblem(), "Missing data file: sounds/warg.wav");
    run("cp '" + gameDir + "/sounds/warg.wav' sounds/ && rm maps/seg7.txt");
    EXPECT_NE(findDataProblem().find("maps//seg7.txt"), std::string::npos);
}

TEST_F(DataCheck, CorruptFilesAreNamed)
{
    run("head -c 300 /dev/urandom > textures/Ork1.bmp");
    EXPECT_EQ(findDataProblem(), "Unreadable data file: textures//Ork1.bmp");
    run("cp '" + gameDir + "/textures/Ork1.bmp' textures/ && head -c 20 '" + gameDir
        + "/sounds/splat.wav' > sounds/splat.wav");
    EXPECT_EQ(findDataProblem(), "Unreadable data file: sounds/splat.wav");
}
