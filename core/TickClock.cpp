#include "core/TickClock.h"

std::atomic<bool> tickPending(false);
int32_t timerSubCount = 0;

namespace {
std::atomic<bool> ticksHeld(false);
}

void onTimer()
{
    if (ticksHeld) {
        timerSubCount = 0;  // here, in the timer thread: the main thread writes it only while no timer runs
        return;
    }
    ++timerSubCount;
    if (timerSubCount >= InterruptsPerTick) {
        tickPending = true;
        timerSubCount = 0;
    }
}

void resetTickClock()
{
    ticksHeld = false;
    tickPending = false;
    timerSubCount = 0;
}

void holdTicks()
{
    ticksHeld = true;
    tickPending = false;
}

void releaseTicks()
{
    ticksHeld = false;
}

bool inBackground()
{
    return ticksHeld;
}
