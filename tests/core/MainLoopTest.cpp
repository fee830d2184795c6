#include <gtest/gtest.h>

#include <allegro.h>

#include <cstring>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "core/TickClock.h"

namespace {
int ticksRun = 0;
bool quitByCloseButton = false;  // else by Escape
bool raiseAnother = false;       // whether the quitting tick raises one more

void interrupts(int count)
{
    for (int i = 0; i < count; ++i)
        onTimer();
}

// The first tick quits.
void countTicks(Game&)
{
    if (++ticksRun > 1)
        return;
    if (quitByCloseButton)
        onCloseButton();
    else
        key[KEY_ESC] = 1;
    if (raiseAnother)
        interrupts(InterruptsPerTick);
}

int linesOnScreen(BITMAP* frame)
{
    int same = 0;
    for (int y = 0; y < SCREEN_H; ++y)
        same += std::memcmp(screen->line[y], frame->line[y], SCREEN_W * sizeof(uint16_t)) == 0;
    return same;
}

int pixelsOf(BITMAP* frame, int colour)
{
    int n = 0;
    for (int y = 0; y < frame->h; ++y)
        for (int x = 0; x < frame->w; ++x)
            n += getpixel(frame, x, y) == colour;
    return n;
}
}

// One tick per 14 interrupts, held back whole in the background, where the
// loop rests longer between polls.
TEST(MainLoop, TickClockRaisesEveryFourteenthInterruptAndNoneInTheBackground)
{
    resetTickClock();
    interrupts(13);
    EXPECT_FALSE(tickPending);
    interrupts(1 + 13);
    EXPECT_TRUE(tickPending);
    EXPECT_EQ(idlePauseMs(), 1u);
    holdTicks();
    EXPECT_FALSE(tickPending) << "a tick raised just before the switch is dropped";
    EXPECT_GE(idlePauseMs(), 50u) << "a resting loop polls at most 20 times a second";
    interrupts(14 * 5);
    EXPECT_FALSE(tickPending);
    releaseTicks();
    EXPECT_EQ(idlePauseMs(), 1u);
    interrupts(13);  // the 13 counted before the switch are gone too
    EXPECT_FALSE(tickPending);
    interrupts(1);
    EXPECT_TRUE(tickPending);
}

// Ticks are not queued; the pass that sees Escape or the close button still
// runs its pending tick, then the loop ends. Each tick's whole frame is drawn
// and shown.
TEST(MainLoop, RunsOnePendingTickAPassAndEndsAfterThePassThatSeesEscapeOrTheCloseButton)
{
    Game game;
    const int magenta = makecol(255, 0, 255);
    // Interrupts before the loop, quit by the close button, one more tick raised, ticks run.
    const struct { int interrupts; bool closeButton, raiseAnother; int ticks; } cases[] = {
        {14 * 6, false, false, 1},
        {14, false, true, 2},
        {14, true, true, 2},
    };
    for (const auto& c : cases) {
        resetTickClock();
        ticksRun = 0;
        quitByCloseButton = c.closeButton;
        raiseAnother = c.raiseAnother;
        clear_to_color(screen, magenta);
        clear_to_color(game.backBuffer, magenta);
        interrupts(c.interrupts);
        runMainLoop(game, countTicks);
        EXPECT_EQ(ticksRun, c.ticks);
        EXPECT_EQ(pixelsOf(game.backBuffer, magenta), 0);
        EXPECT_EQ(linesOnScreen(game.backBuffer), SCREEN_H);
        key[KEY_ESC] = 0;
        closeRequested = false;
    }
}
