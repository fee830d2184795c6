#include <gtest/gtest.h>

#include <allegro.h>

#include "core/Startup.h"

// A start-up whose library calls are logged in one line; any one can be made to fail.
namespace {

std::string log, failing, dataProblem;

int step(const std::string& name)
{
    log += name + " ";
    return failing == name ? -1 : 0;
}

const StartupCalls Fakes = {
    [](const char* program) { log += "name:" + std::string(program) + " "; },
    [] { return step("init"); },
    [] { log += "signals "; },
    [] { return step("keyboard"); },
    [] { return step("mouse"); },  // fails both calls; only the second counts
    [](int depth) { log += "depth" + std::to_string(depth) + " "; },
    [](const char* title) { log += "[" + std::string(title) + "] "; },
    [](int card, int w, int h, int, int) {
        return step(card == GFX_TEXT ? "text" : "gfx" + std::to_string(w) + "x" + std::to_string(h));
    },
    [] { step("data"); return dataProblem; },
    [] { step("game"); return static_cast<Game*>(nullptr); },
    [](unsigned int ms) { log += "rest" + std::to_string(ms) + " "; },
    [](void (*)(), int ms) { return step("timer" + std::to_string(ms)); },
    [](int, int, const char* config) { return step(config ? "sound-with-config" : "sound"); },
    [](const char* text) { log += "message:" + std::string(text) + " "; },
    [](const char* text) { log += "stderr:" + std::string(text) + " "; },
};

// How a failure ends the log: standard error first, then text mode (but
// for the sound's), then the message box.
std::string failure(const std::string& message, bool textMode = true)
{
    return "stderr:" + message + (textMode ? " text" : "") + " message:" + message + " ";
}

}

// The steps run in order; each failure exits with 1, and no Game comes before
// the graphics and the data are known good.
TEST(Startup, CallsTheLibraryInOrderAndEachFailureShowsItsMessageAndExitsWithOne)
{
    // The failing step, the data problem and how the log ends.
    const std::string cases[][3] = {
        {"", "", "name:orkcave init signals keyboard mouse depth16 [Ork Cave] gfx800x700 data game rest100 timer5 mouse sound "},
        {"gfx800x700", "", "[Ork Cave] gfx800x700 " + failure(GraphicsFailedMessage)},
        {"", "Missing data file: a.bmp", "gfx800x700 data " + failure("Missing data file: a.bmp")},
        {"timer5", "", "rest100 timer5 " + failure(TimerFailedMessage)},
        {"mouse", "", "timer5 mouse " + failure(MouseFailedMessage)},
        {"sound", "", "mouse sound " + failure(SoundFailedMessage, false)},
        // No display (init failing) is the package test's: standard error only, exit code 1.
    };
    for (const auto& c : cases) {
        log.clear();
        failing = c[0];
        dataProblem = c[1];
        Game* game = nullptr;
        EXPECT_EQ(startUp(Fakes, "Ork Cave", "orkcave", game), c[0].empty() && c[1].empty() ? 0 : 1) << c[2];
        EXPECT_EQ(log.substr(log.size() - std::min(log.size(), c[2].size())), c[2]);
    }
}
