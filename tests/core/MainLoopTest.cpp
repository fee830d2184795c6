#include <gtest/gtest.h>

#include <allegro.h>

#include "core/MainLoop.h"
#include "core/TickClock.h"

namespace {
int ticksRun = 0;
int pauses = 0;
void countTick(void*) { ++ticksRun; }
void countPause(unsigned int ms)
{
    EXPECT_EQ(ms, 1u);
    ++pauses;
}
const LoopHooks Hooks = {countTick, countPause, nullptr};

class MainLoop : public testing::Test {
protected:
    void SetUp() override
    {
        resetTickClock();
        ticksRun = 0;
        pauses = 0;
        key[KEY_ESC] = 0;
    }
    void TearDown() override { key[KEY_ESC] = 0; }
};
}

TEST_F(MainLoop, OneTickPerFourteenInterruptsAndAPauseEveryPass)
{
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 0) << "no tick without the flag";
    for (int i = 0; i < 13; ++i)
        onTimer();
    EXPECT_FALSE(tickPending);
    onTimer();
    EXPECT_TRUE(tickPending);
    EXPECT_EQ(timerSubCount, 0);
    for (int i = 0; i < 14 * 5; ++i)
        onTimer();
    // Five more ticks raised while nobody ran: still one flag, one tick.
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_TRUE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 1);
    EXPECT_EQ(pauses, 3);
}

TEST_F(MainLoop, EscapeEndsTheLoopAfterThePendingTick)
{
    tickPending = true;
    key[KEY_ESC] = 1;
    EXPECT_FALSE(runLoopPass(Hooks));
    EXPECT_EQ(ticksRun, 1);
    EXPECT_EQ(pauses, 1);
}
