#include <gtest/gtest.h>

#include <cmath>

#include "support/Point.h"
#include "world/TileMap.h"

// Found while fuzzing the painting rule: from a point a hair before a tile
// edge, the neighbour one tile on rounded onto the tile after it, so water
// was painted beside rock and rock left water beside it.
TEST(PasteRounding, PointsJustBeforeATileEdgeSeeTheirTrueNeighbours)
{
    for (int column = 2; column < TileMap::GridSize - 1; column *= 2) {
        TileMap map;
        map.reset();
        const Vector justBefore = at(std::nextafter(column * 64.0, 0.0), 50 * 64.0 + 32.0);  // still in column - 1
        map.tiles[column][50].kind = Rock;
        map.paste(justBefore, Water);
        EXPECT_EQ(map.tiles[column - 1][50].kind, Floor) << "water beside rock in column " << column - 1;

        map.tiles[column][50].kind = Water;
        map.paste(justBefore, Rock);
        EXPECT_EQ(map.tiles[column - 1][50].kind, Rock);
        EXPECT_EQ(map.tiles[column][50].kind, Floor) << "water left beside new rock in column " << column;
    }
}
