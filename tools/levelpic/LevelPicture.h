#pragma once

#include <allegro.h>

#include <string>

class TileMap;

// A 24-bit picture of the whole grid, one block of blockSize pixels per tile:
// reachable terrain bright, unreachable terrain dark, the entrance point red.
BITMAP* drawLevelPicture(const TileMap& map, int blockSize);

// One line of figures about the level: how much of it can be walked.
std::string describeLevel(const TileMap& map);
