#pragma once

#include <cstdint>
#include <functional>
#include <string>

class Game;

struct SoakReport {
    long ticksRun = 0;
    long respawns = 0;  // each after a death
    long orkKills = 0;
    std::string problem;  // "" when every invariant held on every tick
};

// Random but plausible play for the given ticks, written into key[] and the
// mouse as a player would. Every invariant is checked after every update and
// every draw (made on every drawEvery-th tick, then afterDraw is called); the
// soak stops at the first break. Its own random numbers leave rand() alone.
SoakReport runSoak(Game& game, long ticks, int drawEvery, uint32_t seed,
                   const std::function<void()>& afterDraw = nullptr);
