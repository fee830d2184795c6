#include <gtest/gtest.h>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/TickClock.h"

namespace {
int ticksRun = 0;
bool raiseAnother = false;  // whether the first tick, which presses Escape, raises one more

void interrupts(int count)
{
    for (int i = 0; i < count; ++i)
        onTimer();
}

void countTicks(Game&)
{
    if (++ticksRun == 1) {
        key[KEY_ESC] = 1;
        if (raiseAnother)
            interrupts(InterruptsPerTick);
    }
}
}

// One tick per 14 interrupts (not 13, not 15), none in the background.
TEST(MainLoop, TickClockRaisesEveryFourteenthInterruptAndNoneInTheBackground)
{
    resetTickClock();
    interrupts(14 + 13);
    holdTicks();
    interrupts(14 * 5);
    releaseTicks();
    interrupts(13);
    // The tick raised before the switch, the 13 interrupts counted before it and all during it are gone.
    EXPECT_FALSE(tickPending);
    interrupts(1);
    EXPECT_TRUE(tickPending);
}

// Ticks are not queued; the pass that sees Escape still runs its pending
// tick, then the loop ends. Each tick's frame is drawn and shown whole.
TEST(MainLoop, RunsOnePendingTickAPassAndEndsAfterThePassThatSeesEscape)
{
    Game game;
    const int magenta = maskColour();
    // Interrupts before the loop, whether the first tick raises one more; ticks run.
    const struct { int interrupts; bool raiseAnother; int ticks; } cases[] = {{14 * 6, false, 1}, {14, true, 2}};
    for (const auto& c : cases) {
        resetTickClock();
        ticksRun = 0;
        raiseAnother = c.raiseAnother;
        clear_to_color(screen, magenta);
        clear_to_color(game.backBuffer.get(), magenta);
        interrupts(c.interrupts);
        runMainLoop(game, countTicks);
        EXPECT_EQ(ticksRun, c.ticks);
        EXPECT_NE(getpixel(screen, SCREEN_W - 1, SCREEN_H - 1), magenta) << "no whole frame drawn and shown";
        key[KEY_ESC] = 0;
    }
}
