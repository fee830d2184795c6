#include <gtest/gtest.h>

#include <allegro.h>

#include <string>

#include "core/Startup.h"
#include "core/TickClock.h"

// A start-up whose library calls are logged in one line; any one can be made to fail.
namespace {

std::string log, failing, dataProblem;
int mouseInstalls = 0;

int step(const std::string& name)
{
    log += name + " ";
    return failing == name ? -1 : 0;
}

const StartupCalls Fakes = {
    [] { return step("init"); },
    [] { return step("keyboard"); },
    [] { return step(++mouseInstalls == 1 ? "mouse-first" : "mouse"); },
    [](int depth) { log += "depth" + std::to_string(depth) + " "; },
    [](int card, int w, int h, int, int) {
        return step(card == GFX_TEXT ? "text" : "gfx" + std::to_string(w) + "x" + std::to_string(h));
    },
    [](const char* title) { log += "[" + std::string(title) + "] "; },
    [] {
        log += "data ";
        return dataProblem;
    },
    [] {
        log += "game ";
        return static_cast<Game*>(nullptr);
    },
    [](unsigned int ms) { log += "rest" + std::to_string(ms) + " "; },
    [](void (*)(), int ms) { return step("timer" + std::to_string(ms)); },
    [](int, int, const char* config) { return step(config ? "sound-with-config" : "sound"); },
    [](const char* text) { log += "message:" + std::string(text) + " "; },
    [](const char* text) { log += "stderr:" + std::string(text) + " "; },
};

int runStartUp(const std::string& failingStep, const std::string& problem = "")
{
    log.clear();
    failing = failingStep;
    dataProblem = problem;
    mouseInstalls = 0;
    Game* game = nullptr;
    return startUp(Fakes, "Ork Cave", game);
}

}

TEST(Startup, CallsTheLibraryInOrderAndClearsTheTickClock)
{
    tickPending = true;
    timerSubCount = 9;
    EXPECT_EQ(runStartUp(""), 0);
    EXPECT_EQ(log, "init keyboard mouse-first depth16 gfx800x700 [Ork Cave] data game rest100 timer5 mouse sound ");
    EXPECT_FALSE(tickPending);
    EXPECT_EQ(timerSubCount, 0);
}

TEST(Startup, EachFailureShowsItsMessageAndExitsWithOne)
{
    // What the log ends with: text mode before every message but the sound's,
    // and no Game before the graphics and the data are known good.
    const char* cases[][3] = {
        {"gfx800x700", "", "depth16 gfx800x700 text message:Graphics Initilization Failed "},
        {"", "Missing data file: a.bmp", "[Ork Cave] data text message:Missing data file: a.bmp "},
        {"timer5", "", "rest100 timer5 text message:Timer Initilization Failed "},
        {"mouse", "", "timer5 mouse text message:Mouse Initilization Failed "},
        {"sound", "", "mouse sound message:Sound Initilization Failed "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runStartUp(c[0], c[1]), 1) << c[2];
        const std::string tail = c[2];
        EXPECT_EQ(log.substr(log.size() - std::min(log.size(), tail.size())), tail);
    }
}

TEST(Startup, NoDisplayStopsBeforeTouchingTheLibrary)
{
    EXPECT_EQ(runStartUp("init"), 1);
    EXPECT_EQ(log.rfind("init stderr:", 0), 0u) << log;
    EXPECT_NE(log.find("no display"), std::string::npos) << log;
}
