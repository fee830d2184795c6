#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/Game.h"
#include "support/Headless.h"
#include "support/Replay.h"

namespace {
std::string readReplayFile(const std::string& name)
{
    std::ifstream in(std::string(ORKCAVE_REPLAY_DIR) + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class GoldenReplay : public testing::TestWithParam<const char*> {};
}

// Each recording, fed tick by tick through update and draw of a fresh game
// with rand seeded as when recorded, must end in exactly its expected state.
// A deliberate change of behaviour updates the expected files (see README).
TEST_P(GoldenReplay, EndsInItsRecordedState)
{
    const std::string name = GetParam();
    Recording recording;
    const std::string text = readReplayFile(name + ".replay");
    ASSERT_FALSE(text.empty()) << "no recording " << name;
    ASSERT_EQ(parseRecording(text, recording), "");
    const std::string expected = readReplayFile(name + ".expected");
    ASSERT_FALSE(expected.empty());

    headless::releaseInput();
    std::srand(1);
    std::unique_ptr<Game> game(new Game());
    playRecording(*game, recording);
    headless::releaseInput();
    EXPECT_EQ(summarize(*game), expected);
}

INSTANTIATE_TEST_SUITE_P(Recordings, GoldenReplay, testing::Values("kill_and_respawn", "stealth_walk", "victory"));

TEST(ReplayFormat, RoundTripsAndMergesEqualTicksAndRejectsBadLines)
{
    Recording recording;
    ReplayInput walk;
    walk.up = walk.right = true;
    walk.mouseX = 412;
    walk.mouseY = 7;
    walk.buttons = 3;
    ReplayInput respawn;
    respawn.space = true;
    respawn.levelKeys[3] = true;
    appendTick(recording, walk);
    appendTick(recording, walk);
    appendTick(recording, respawn);
    ASSERT_EQ(recording.size(), 2u);
    EXPECT_EQ(tickCount(recording), 3);

    const std::string text = formatRecording(recording);
    EXPECT_NE(text.find("2 WD 412 7 LR\n"), std::string::npos);
    EXPECT_NE(text.find("1 4_ 0 0 -\n"), std::string::npos);
    Recording again;
    ASSERT_EQ(parseRecording(text, again), "");
    ASSERT_EQ(again.size(), 2u);
    EXPECT_TRUE(again[0].input == walk);
    EXPECT_TRUE(again[1].input == respawn);

    EXPECT_NE(parseRecording("3 WQ 1 2 -\n", again), "");
    EXPECT_NE(parseRecording("0 W 1 2 -\n", again), "");
    EXPECT_NE(parseRecording("2 W 1 2 L extra\n", again), "");
    EXPECT_NE(parseRecording("2 W 1\n", again), "");
}
