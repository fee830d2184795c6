#pragma once

#include <cstdint>
#include <functional>
#include <string>

class Game;
class TileMap;

// What must hold of a Game after every tick, whatever the player does:
// "" when all holds, otherwise the first thing that broke.
std::string findBrokenInvariant(const Game& game);

// A hash of the map's kind and debris, which nothing but a level start may change.
uint64_t terrainOf(const TileMap& map);

struct SoakReport {
    long ticksRun = 0;
    long levelStarts = 0;
    long deaths = 0;
    long respawns = 0;
    long orkKills = 0;
    std::string problem;  // "" when every invariant held on every tick
};

// Random but plausible play for the given ticks, written into key[],
// mouse_x, mouse_y and mouse_b as a player would: keys held for stretches,
// the mouse sweeping, throws, stealth, Space while dead, now and then a
// level key. The invariants are checked after every update and every draw
// (made on every drawEvery-th tick, then afterDraw is called); the soak
// stops at the first break. Its own random numbers leave rand() alone.
SoakReport runSoak(Game& game, long ticks, int drawEvery, uint32_t seed,
                   const std::function<void()>& afterDraw = nullptr);
