#include <gtest/gtest.h>

#include <allegro.h>

#include "core/MainLoop.h"
#include "core/TickClock.h"

namespace {
int ticksRun = 0;
int pauses = 0;
const LoopHooks Hooks = {[](void*) { ++ticksRun; }, [](unsigned int ms) { pauses += ms == 1; }, nullptr};

void interrupts(int count)
{
    for (int i = 0; i < count; ++i)
        onTimer();
}
}

// One tick per 14 interrupts, never two in a pass, none counted in the
// background; Escape or the close button end the loop after the pending tick.
TEST(MainLoop, TicksEveryFourteenInterruptsOneAPassNoneInTheBackgroundAndEscapeEndsAfterThePendingOne)
{
    resetTickClock();
    ticksRun = pauses = 0;
    interrupts(13);
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 0);
    interrupts(1 + 14 * 5);  // six ticks raised while nobody ran
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 1);
    EXPECT_EQ(pauses, 3);

    resetTickClock();
    interrupts(13);
    holdTicks();
    interrupts(14 * 5);
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 1);
    releaseTicks();
    interrupts(13);  // the 13 counted before the switch are gone too
    EXPECT_FALSE(tickPending);
    interrupts(1);
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 2);

    key[KEY_ESC] = 1;
    tickPending = true;
    EXPECT_FALSE(runLoopPass(Hooks));
    key[KEY_ESC] = 0;
    onCloseButton();
    tickPending = true;
    EXPECT_FALSE(runLoopPass(Hooks));
    closeRequested = false;
    EXPECT_EQ(ticksRun, 4);
}
