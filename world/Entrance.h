#pragma once

#include <cstdint>

#include "world/TileMap.h"

// The cave entrance, diagonally beyond the playing area's far corner, in
// tiles from its extents W and H. Level building opens its two squares; the
// elf starts and revives at its point, and wins by carrying the bag past it.
namespace entrance {
// Square A opens before the reachability fill, which starts inside it;
// square B after it, so its tiles beyond the fill's reach stay unreachable.
constexpr int32_t SquareAFirst = 4;
constexpr int32_t SquareALast = 9;
constexpr int32_t SquareBFirst = 8;
constexpr int32_t SquareBLast = 13;
static_assert(SquareBLast < TileMap::LitterBorder,
              "a level whose litter stays on the grid keeps its entrance on it too");
// The point is the corner of tile (W + 8, H + 8).
constexpr int32_t PointOffset = 8;

// The point in world pixels.
inline double pointX(const TileMap& map)
{
    return (map.width + PointOffset) * TileMap::TileSize;
}

inline double pointY(const TileMap& map)
{
    return (map.height + PointOffset) * TileMap::TileSize;
}
}
