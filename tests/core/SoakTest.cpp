#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "core/Game.h"
#include "reliability/Soak.h"
#include "support/Headless.h"

namespace {
constexpr long ShortSoakTicks = 20000;
constexpr int DrawEvery = 5;  // drawing is most of a tick's cost; this keeps the test near 20 s
}

// A short soak of the real game: twenty thousand ticks of random but
// plausible play, every invariant checked after every update and draw.
TEST(Soak, TwentyThousandTicksKeepEveryInvariant)
{
    headless::releaseInput();
    std::srand(1);
    std::unique_ptr<Game> game(new Game());
    SoakSettings settings;
    settings.ticks = ShortSoakTicks;
    settings.drawEvery = DrawEvery;
    SoakReport report = runSoak(*game, settings);
    headless::releaseInput();

    EXPECT_EQ(report.problem, "") << "at tick " << report.problemTick;
    EXPECT_EQ(report.ticksRun, ShortSoakTicks);
    // The soak is only worth something if the play reached the interesting parts.
    EXPECT_GT(report.levelStarts, 0);
    EXPECT_GT(report.throws, 0);
    EXPECT_GT(report.deaths, 0);
    EXPECT_GT(report.respawns, 0);
    RecordProperty("orkKills", static_cast<int>(report.orkKills));
}
