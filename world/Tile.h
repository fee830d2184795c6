#pragma once

#include <cstdint>

// Terrain kinds.
enum TileKind : int32_t { Floor = 0, Water = 1, Rock = 2 };

// Fog-of-war states.
enum TileVisibility : int32_t { Unreachable = -2, Unseen = -1, Seen = 0, InSight = 1 };

// One square cell of the cave, a tile of the map's grid.
class Tile {
public:
    int32_t kind = Floor;
    int32_t visibility = Seen;
    int32_t debris = -1;  // -1 none, otherwise a debris kind
};
