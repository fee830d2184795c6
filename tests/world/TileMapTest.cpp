#include <gtest/gtest.h>

#include <cmath>

#include "support/Point.h"
#include "world/TileMap.h"

namespace {
Vector centreOf(int column, int row)
{
    return at(column * 64.0 + 32.0, row * 64.0 + 32.0);
}
}

TEST(TileMap, TileAtEdgesOfTheGrid)
{
    TileMap map;
    Tile* outside = map.outsideTile.get();
    EXPECT_EQ(&map.tileAt(at(0.0, 100.0)), outside) << "x exactly 0 is outside";
    EXPECT_EQ(&map.tileAt(at(100.0, 0.0)), outside) << "y exactly 0 is outside";
    EXPECT_EQ(&map.tileAt(at(6400.0, 10.0)), outside) << "column 100";
    EXPECT_EQ(&map.tileAt(at(10.0, 6400.0)), outside) << "row 100";
    EXPECT_EQ(&map.tileAt(at(NAN, 10.0)), outside);
    EXPECT_EQ(&map.tileAt(at(63.9, 64.0)), &map.tiles[0][1]);
    EXPECT_EQ(&map.tileAt(at(6399.9, 6399.9)), &map.tiles[99][99]);
}

TEST(TileMap, WaterIsRefusedBesideRockDiagonalsAndTheGridEdge)
{
    for (auto [dx, dy] : {std::pair{-1, -1}, {1, 1}, {-1, 0}}) {
        TileMap map;
        map.tiles[10 + dx][10 + dy].kind = Rock;
        map.paste(centreOf(10, 10), Water);
        EXPECT_EQ(map.tiles[10][10].kind, Floor) << "rock at " << dx << "," << dy;
    }
    TileMap map;
    map.tiles[12][10].kind = Rock;  // two tiles away does not count
    map.paste(centreOf(10, 10), Water);
    EXPECT_EQ(map.tiles[10][10].kind, Water);
    map.paste(centreOf(0, 50), Water);
    map.paste(centreOf(50, 99), Water);
    EXPECT_EQ(map.tiles[0][50].kind, Floor) << "the rock outside neighbours the edge";
    EXPECT_EQ(map.tiles[50][99].kind, Floor);
}

TEST(TileMap, RockDriesTheWaterAroundItEvenWhenPastedAtTheCursor)
{
    TileMap map;
    for (int x = 8; x <= 12; ++x)
        for (int y = 8; y <= 12; ++y)
            map.tiles[x][y].kind = Water;
    map.cursor->copyFrom(centreOf(10, 10));  // paste walks the cursor itself
    map.paste(*map.cursor, Rock);
    EXPECT_EQ(map.tiles[10][10].kind, Rock);
    EXPECT_EQ(map.tiles[9][9].kind, Floor);
    EXPECT_EQ(map.tiles[11][11].kind, Floor);
    EXPECT_EQ(map.tiles[12][10].kind, Water) << "only the eight neighbours";
}

TEST(TileMap, PastesOffTheGridOrWithUnknownCodesLeaveNoTrace)
{
    TileMap map;
    for (int code : {0, 1, 2, 3, -1}) {
        map.paste(at(-10.0, 300.0), code);
        map.paste(at(6500.0, 6500.0), code);
        EXPECT_EQ(map.outsideTile->kind, Rock) << "code " << code;
    }
    map.tiles[6][6].kind = Water;
    map.paste(centreOf(6, 6), 3);
    EXPECT_EQ(map.tiles[6][6].kind, Water);
}
