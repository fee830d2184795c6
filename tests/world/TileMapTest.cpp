#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "world/TileMap.h"

namespace {
Vector point(double x, double y)
{
    Vector v;
    v.x = x;
    v.y = y;
    return v;
}

Vector centreOf(int column, int row)
{
    return point(column * 64.0 + 32.0, row * 64.0 + 32.0);
}

std::vector<int> allKinds(const TileMap& map)
{
    std::vector<int> kinds;
    for (const auto& column : map.tiles)
        for (const Tile& tile : column)
            kinds.push_back(tile.kind);
    return kinds;
}

constexpr int Offsets[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};
}

TEST(TileMap, TileAtEdgesOfTheGrid)
{
    TileMap map;
    Tile* outside = map.outsideTile.get();
    EXPECT_EQ(&map.tileAt(point(0.0, 100.0)), outside) << "x exactly 0 is outside";
    EXPECT_EQ(&map.tileAt(point(100.0, 0.0)), outside) << "y exactly 0 is outside";
    EXPECT_EQ(&map.tileAt(point(-1.0, 10.0)), outside);
    EXPECT_EQ(&map.tileAt(point(6400.0, 10.0)), outside) << "column 100";
    EXPECT_EQ(&map.tileAt(point(10.0, 6400.0)), outside) << "row 100";
    EXPECT_EQ(&map.tileAt(point(NAN, 10.0)), outside);
    EXPECT_EQ(&map.tileAt(point(1e300, 1e300)), outside);
    EXPECT_EQ(&map.tileAt(point(0.5, 0.5)), &map.tiles[0][0]);
    EXPECT_EQ(&map.tileAt(point(63.9, 64.0)), &map.tiles[0][1]);
    EXPECT_EQ(&map.tileAt(point(6399.9, 6399.9)), &map.tiles[99][99]);
    EXPECT_EQ(map.outsideTile->kind, Rock);
}

TEST(TileMap, WaterIsRefusedBesideRockInAnyOfTheEightDirections)
{
    for (const auto& offset : Offsets) {
        TileMap map;
        map.tiles[10 + offset[0]][10 + offset[1]].kind = Rock;
        map.paste(centreOf(10, 10), Water);
        EXPECT_EQ(map.tiles[10][10].kind, Floor) << "rock at " << offset[0] << "," << offset[1];
    }
    TileMap clear;
    clear.tiles[12][10].kind = Rock;  // two tiles away does not count
    clear.paste(centreOf(10, 10), Water);
    EXPECT_EQ(clear.tiles[10][10].kind, Water);
}

TEST(TileMap, WaterIsRefusedOnTheGridEdge)
{
    TileMap map;
    map.paste(centreOf(0, 50), Water);
    map.paste(centreOf(50, 0), Water);
    map.paste(centreOf(99, 50), Water);
    map.paste(centreOf(50, 99), Water);
    EXPECT_EQ(map.tiles[0][50].kind, Floor);
    EXPECT_EQ(map.tiles[50][0].kind, Floor);
    EXPECT_EQ(map.tiles[99][50].kind, Floor);
    EXPECT_EQ(map.tiles[50][99].kind, Floor);
    EXPECT_EQ(map.outsideTile->kind, Rock);
}

TEST(TileMap, RockDriesTheWaterAroundIt)
{
    TileMap map;
    for (int x = 8; x <= 12; ++x)
        for (int y = 8; y <= 12; ++y)
            map.tiles[x][y].kind = Water;
    map.paste(centreOf(10, 10), Rock);
    EXPECT_EQ(map.tiles[10][10].kind, Rock);
    for (const auto& offset : Offsets)
        EXPECT_EQ(map.tiles[10 + offset[0]][10 + offset[1]].kind, Floor);
    EXPECT_EQ(map.tiles[8][8].kind, Water);
    EXPECT_EQ(map.tiles[12][10].kind, Water);
}

TEST(TileMap, PastingAtTheCursorItselfActsLikeAnyOtherPosition)
{
    TileMap map;
    map.tiles[21][20].kind = Water;
    map.tiles[19][21].kind = Water;
    map.cursor->copyFrom(centreOf(20, 20));
    map.paste(*map.cursor, Rock);
    EXPECT_EQ(map.tiles[20][20].kind, Rock);
    EXPECT_EQ(map.tiles[21][20].kind, Floor);
    EXPECT_EQ(map.tiles[19][21].kind, Floor);
}

TEST(TileMap, PastesOffTheGridOrWithUnknownCodesLeaveNoTrace)
{
    TileMap map;
    map.tiles[0][5].kind = Rock;
    std::vector<int> before = allKinds(map);
    for (int code : {0, 1, 2, 3, -1}) {
        map.paste(point(-10.0, 300.0), code);
        EXPECT_EQ(map.outsideTile->kind, Rock) << "code " << code;
        map.paste(point(6500.0, 6500.0), code);
        EXPECT_EQ(map.outsideTile->kind, Rock) << "code " << code;
    }
    map.paste(centreOf(5, 5), 3);
    map.paste(centreOf(6, 6), -1);
    EXPECT_EQ(allKinds(map), before);
}
