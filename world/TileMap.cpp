#include "world/TileMap.h"

#include <cmath>

#include "world/TileQuarters.h"
#include "world/SegmentCopies.h"

namespace {
// Neighbour offsets in tiles, in the order paste visits them.
constexpr int NeighbourCount = 8;
constexpr int NeighbourDx[NeighbourCount] = {-1, 0, +1, +1, +1, 0, -1, -1};
constexpr int NeighbourDy[NeighbourCount] = {-1, -1, -1, 0, +1, +1, +1, 0};
constexpr int StartExtent = 90;

const Vector& neighbourOf(const Vector& centre, int n, Vector& walker)
{
    walker.x = centre.x + NeighbourDx[n] * TileMap::TileSize;
    walker.y = centre.y + NeighbourDy[n] * TileMap::TileSize;
    return walker;
}

// Off-grid neighbours read as the rock outside tile.
bool hasRockNeighbour(TileMap& map, const Vector& centre)
{
    for (int n = 0; n < NeighbourCount; ++n)
        if (map.tileAt(neighbourOf(centre, n, *map.cursor)).kind == Rock)
            return true;
    return false;
}
}

TileMap::TileMap()
    : cursor(new Vector()),
      segmentOrigin(new Vector()),
      width(StartExtent),
      height(StartExtent),
      outsideTile(new Tile()),
      segmentCopies(new SegmentCopies())
{
    outsideTile->kind = Rock;
}

TileMap::~TileMap() = default;

Tile& TileMap::tileAt(const Vector& position)
{
    // Range checks come before the integer conversion so that far-off or NaN
    // points never reach it; x at the grid's extent or beyond is exactly
    // "a column past the last".
    if (!(position.x > 0.0) || !(position.y > 0.0) || !(position.x < GridPixels) || !(position.y < GridPixels))
        return *outsideTile;
    int32_t column = static_cast<int32_t>(position.x / TileSize);
    int32_t row = static_cast<int32_t>(position.y / TileSize);
    return tiles[column][row];
}

void TileMap::paste(const Vector& position, int32_t code)
{
    Tile& target = tileAt(position);
    // The neighbour walk uses a local copy, so pasting at cursor itself is safe.
    Vector centre;
    centre.copyFrom(position);
    // On the grid the walk starts from the tile's centre: from a point a hair
    // before a tile edge, adding a tile can round onto the edge and skip a
    // neighbour (127.99999999999999 + 64 gives 192).
    if (&target != outsideTile.get()) {
        centre.x = (std::floor(position.x / TileSize) + 0.5) * TileSize;
        centre.y = (std::floor(position.y / TileSize) + 0.5) * TileSize;
    }
    if (code == Floor) {
        target.kind = Floor;
    } else if (code == Water) {
        if (!hasRockNeighbour(*this, centre))
            target.kind = Water;
    } else if (code == Rock) {
        for (int n = 0; n < NeighbourCount; ++n) {
            Tile& neighbour = tileAt(neighbourOf(centre, n, *cursor));
            if (neighbour.kind == Water)
                neighbour.kind = Floor;
        }
        target.kind = Rock;
    }
    // Set on every path, so a paste that landed off the grid leaves no trace.
    outsideTile->kind = Rock;
}
