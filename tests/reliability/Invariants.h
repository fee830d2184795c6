#pragma once

#include <cstdint>
#include <string>

class Game;

// What must hold of a Game after every tick, whatever the player does.
// Each check returns "" when it holds, otherwise what broke.
std::string findBrokenInvariant(Game& game);

// The map's kind and debris, which nothing but a level start may change.
uint64_t terrainFingerprint(const Game& game);
