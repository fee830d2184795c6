#pragma once

#include <atomic>
#include <cstdint>

// Shared between the main loop and Allegro's timer thread.
extern std::atomic<bool> tickPending;  // raised once per game tick, cleared by the loop
extern int32_t timerSubCount;          // the timer thread; the main thread only while no timer runs

constexpr int TimerPeriodMs = 5;
constexpr int InterruptsPerTick = 14;  // 14 x 5 ms: one game tick is 70 ms

// The 5-ms timer callback.
void onTimer();
void resetTickClock();

// While the window is in the background no tick is raised; the first one
// after coming back is a full tick away, so nothing was saved up meanwhile.
void holdTicks();
void releaseTicks();
bool inBackground();
