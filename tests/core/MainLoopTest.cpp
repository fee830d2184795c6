#include <gtest/gtest.h>

#include <allegro.h>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/TickClock.h"

namespace {
int ticksRun = 0;
void (*quit)() = nullptr;  // how the first tick ends the loop
bool raiseAnother = false;  // whether it raises one more tick as it does

void interrupts(int count)
{
    for (int i = 0; i < count; ++i)
        onTimer();
}

void pressEscape()
{
    key[KEY_ESC] = 1;
}

void countTicks(Game&)
{
    if (++ticksRun == 1) {
        quit();
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
    EXPECT_TRUE(tickPending);
    holdTicks();
    EXPECT_FALSE(tickPending) << "a tick raised just before the switch is dropped";
    interrupts(14 * 5);
    EXPECT_FALSE(tickPending);
    releaseTicks();
    interrupts(13);  // the 13 counted before the switch are gone too
    EXPECT_FALSE(tickPending);
    interrupts(1);
    EXPECT_TRUE(tickPending);
}

// Ticks are not queued; the pass that sees Escape or the close button still
// runs its pending tick, then the loop ends. Each tick's frame is drawn and shown whole.
TEST(MainLoop, RunsOnePendingTickAPassAndEndsAfterThePassThatSeesEscapeOrTheCloseButton)
{
    Game game;
    const int magenta = makecol(255, 0, 255);
    // Interrupts before the loop, how the first tick quits, whether it raises one more; ticks run.
    const struct { int interrupts; void (*quit)(); bool raiseAnother; int ticks; } cases[] = {
        {14 * 6, pressEscape, false, 1}, {14, pressEscape, true, 2}, {14, onCloseButton, true, 2}};
    for (const auto& c : cases) {
        resetTickClock();
        ticksRun = 0;
        quit = c.quit;
        raiseAnother = c.raiseAnother;
        clear_to_color(screen, magenta);
        clear_to_color(game.backBuffer, magenta);
        interrupts(c.interrupts);
        runMainLoop(game, countTicks);
        EXPECT_EQ(ticksRun, c.ticks);
        EXPECT_NE(getpixel(screen, SCREEN_W - 1, SCREEN_H - 1), magenta) << "no whole frame drawn and shown";
        key[KEY_ESC] = 0;
        closeRequested = false;
    }
}
