#pragma once

#include "world/Vector.h"

class TileMap;

// The point to steer to next on a shortest walk from `from` to `goal` over
// four-connected tiles that are not rock: the centre of the next tile on
// the way, or the goal itself once in its tile or when no way exists.
Vector nextWaypoint(const TileMap& map, const Vector& from, const Vector& goal);
