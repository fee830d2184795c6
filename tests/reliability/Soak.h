#pragma once

#include <cstdint>
#include <string>

class Game;

struct SoakSettings {
    long ticks = 20000;
    int drawEvery = 1;  // draw on every Nth tick; the fog reveal happens while drawing
    uint64_t seed = 1;
};

// What a soak did, and the first broken invariant if any.
struct SoakReport {
    long ticksRun = 0;
    long framesDrawn = 0;
    long levelStarts = 0;
    long deaths = 0;      // ticks on which the elf went from alive to dead
    long respawns = 0;
    long victories = 0;
    long orkKills = 0;    // orks that went from alive to dead during play
    long throws = 0;
    std::string problem;  // "" when every invariant held on every tick
    long problemTick = -1;
};

// Plays the game with SoakInput for the given ticks, checking the invariants
// after every update (and after every draw), and stops at the first break.
SoakReport runSoak(Game& game, const SoakSettings& settings);
