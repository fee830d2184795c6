#pragma once

#include <cstdint>

class Game;

// Scripted player input for whole-game runs: the elf walks through open
// floor, sweeps its aim round, throws now and then and respawns when dead.
// Writes key[], mouse_x, mouse_y and mouse_b before each update; its own
// random numbers leave the game's rand() sequence alone.
class WanderingElf {
public:
    explicit WanderingElf(uint32_t seed = 1) : state(seed) {}

    void steer(Game& game);

    int throwEvery = 50;    // ticks between dagger throws; 0 never throws
    int sneakEvery = 0;     // ticks between short sneaks; 0 never sneaks

private:
    uint32_t nextRandom();
    bool canWalk(Game& game, int direction, double reach) const;
    int unseenAhead(Game& game, int direction) const;
    void chooseDirection(Game& game);

    uint32_t state;
    int direction = 7;      // of the eight compass steps; 7 is up and left, into the cave
    int ticksOnCourse = 0;
    int tick = 0;
    double aimDegrees = 0.0;
    double lastX = 0.0;
    double lastY = 0.0;
};
