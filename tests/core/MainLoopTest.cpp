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

class MainLoop : public testing::Test {
protected:
    void SetUp() override
    {
        resetTickClock();
        ticksRun = pauses = 0;
        key[KEY_ESC] = 0;
        closeRequested = false;
    }
};
}

TEST_F(MainLoop, OneTickPerFourteenInterruptsAndNeverTwoInAPass)
{
    interrupts(13);
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 0);
    interrupts(1 + 14 * 5);  // six ticks raised while nobody ran
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 1);
    EXPECT_EQ(pauses, 3);
}

TEST_F(MainLoop, EscapeOrTheCloseButtonEndsTheLoopAfterThePendingTick)
{
    key[KEY_ESC] = 1;
    tickPending = true;
    EXPECT_FALSE(runLoopPass(Hooks));
    key[KEY_ESC] = 0;
    onCloseButton();
    tickPending = true;
    EXPECT_FALSE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 2);
}

TEST_F(MainLoop, NoTickInTheBackgroundAndNoneSavedUpForTheReturn)
{
    interrupts(13);
    holdTicks();
    interrupts(14 * 5);
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 0);
    releaseTicks();
    interrupts(13);  // the 13 counted before the switch are gone too
    EXPECT_FALSE(tickPending);
    interrupts(1);
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 1);
}
