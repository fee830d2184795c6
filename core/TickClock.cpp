#include "core/TickClock.h"

std::atomic<bool> tickPending(false);
int32_t timerSubCount = 0;

void onTimer()
{
    ++timerSubCount;
    if (timerSubCount >= InterruptsPerTick) {
        tickPending = true;
        timerSubCount = 0;
    }
}

void resetTickClock()
{
    tickPending = false;
    timerSubCount = 0;
}
