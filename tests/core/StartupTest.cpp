#include <gtest/gtest.h>

#include <allegro.h>

#include <string>
#include <vector>

#include "core/Startup.h"
#include "core/TickClock.h"

// A start-up sequence whose every library call is recorded and can be made to fail.
namespace {

std::vector<std::string> calls;
std::vector<std::string> messages;
std::vector<std::string> errors;
std::string failing;
std::string dataProblem;
int mouseInstalls = 0;
Game* const FakeGame = reinterpret_cast<Game*>(0x1000);

int result(const char* name)
{
    calls.push_back(name);
    return failing == name ? -1 : 0;
}

const StartupCalls Fakes = {
    [] { return result("init"); },
    [] { return result("keyboard"); },
    [] {
        ++mouseInstalls;
        // The first install's result is ignored; only the second may fail.
        return mouseInstalls == 2 ? result("mouse") : result("mouse-first");
    },
    [](int depth) { calls.push_back("depth" + std::to_string(depth)); },
    [](int card, int w, int h, int, int) {
        if (card == GFX_TEXT) {
            calls.push_back("text-mode");
            return 0;
        }
        calls.push_back("gfx " + std::to_string(w) + "x" + std::to_string(h));
        return failing == "gfx" ? -1 : 0;
    },
    [] {
        calls.push_back("check-data");
        return dataProblem;
    },
    [] {
        calls.push_back("game");
        return FakeGame;
    },
    [](unsigned int ms) { calls.push_back("rest" + std::to_string(ms)); },
    [](void (*)(), int ms) { return result(ms == 5 ? "timer" : "timer-wrong-period"); },
    [](int, int, const char* config) { return config ? result("sound-with-config") : result("sound"); },
    [](const char* text) {
        calls.push_back("message");
        messages.push_back(text);
    },
    [](const char* text) { errors.push_back(text); },
};

class Startup : public testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        messages.clear();
        errors.clear();
        failing.clear();
        dataProblem.clear();
        mouseInstalls = 0;
    }
    int run()
    {
        game = nullptr;
        return startUp(Fakes, game);
    }
    Game* game = nullptr;
};

}

TEST_F(Startup, CallsTheLibraryInOrder)
{
    tickPending = true;
    timerSubCount = 9;
    EXPECT_EQ(run(), 0);
    std::vector<std::string> expected = {"init",  "keyboard", "mouse-first", "depth16", "gfx 800x700", "check-data",
                                         "game",  "rest100",  "timer",       "mouse",   "sound"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(game, FakeGame);
    EXPECT_FALSE(tickPending);
    EXPECT_EQ(timerSubCount, 0);
}

TEST_F(Startup, EachFailureShowsItsMessageAndExitsWithOne)
{
    struct Case {
        const char* step;
        const char* message;
        bool textMode;
    };
    const Case cases[] = {
        {"gfx", "Graphics Initilization Failed", true},
        {"timer", "Timer Initilization Failed", true},
        {"mouse", "Mouse Initilization Failed", true},
        {"sound", "Sound Initilization Failed", false},
        {"", "Missing data file: textures//rock.bmp", true},  // bad data
    };
    for (const Case& c : cases) {
        SetUp();
        failing = c.step;
        dataProblem = *c.step ? "" : c.message;
        EXPECT_EQ(run(), 1) << c.step;
        ASSERT_EQ(messages.size(), 1u) << c.step;
        EXPECT_EQ(messages[0], c.message);
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(calls.back(), "message");
        EXPECT_EQ(calls[calls.size() - 2] == "text-mode", c.textMode) << c.step;
        const bool built = std::count(calls.begin(), calls.end(), "game") > 0;
        EXPECT_EQ(built, c.step == std::string("timer") || c.step == std::string("mouse") ||
                             c.step == std::string("sound"))
            << "no game before the graphics and the data are known good: " << c.step;
    }
}

TEST_F(Startup, NoDisplayStopsBeforeTouchingTheLibrary)
{
    failing = "init";
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(calls, std::vector<std::string>{"init"});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("no display"), std::string::npos);
}
