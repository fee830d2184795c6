#pragma once

// The phases of an ork's step and attack timers, which its movement, its
// perception and its drawing all go by.

// Step timer: counts down every tick and wraps from below 0 to 16, a cycle of
// 17 ticks, laying a footprint at 16 and at 8.
constexpr int StepWrapPhase = 16;
constexpr int FreshSlotPhases = 16;  // a fresh slot starts at i mod 16, never on the wrap
constexpr int SecondStepPhase = 8;
constexpr int QuietStepPhase = 1;  // heard only from an ork that walks freely
constexpr int LoudStepPhase = 9;   // heard even from one winding up a strike
constexpr int DeadStepPhase = 3;   // keeps a corpse off both footstep phases

// Attack timer: set to the attack pause on winding up, counted down to 0.
constexpr int RaisedArmFrom = 12;  // 12 and up: arm raised; 6 to 11: swinging
constexpr int SwingFrom = 6;
constexpr int StrikePhase = 10;  // the blow lands or misses on this tick
constexpr int RearmBelow = 3;    // a new wind-up only once the timer is below this
