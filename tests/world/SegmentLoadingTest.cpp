#include <gtest/gtest.h>

#include <cstdlib>

#include "ScratchMaps.h"
#include "world/TileMap.h"

namespace {
// The value rand() would give after the given number of draws from seed.
int randAfter(unsigned seed, int draws)
{
    std::srand(seed);
    for (int i = 0; i < draws; ++i)
        std::rand();
    return std::rand();
}

// Stamps a segment over rock at (left, top) and counts the floor it leaves.
int floorsAfterStamping(TileMap& map, int left, int top, int number)
{
    for (int column = left; column < left + 10; ++column)
        for (int row = top; row < top + 10; ++row)
            map.tiles[column][row].kind = Rock;
    map.loadSegment(left, top, number);
    int floors = 0;
    for (int column = left; column < left + 10; ++column)
        for (int row = top; row < top + 10; ++row)
            floors += map.tiles[column][row].kind == Floor;
    return floors;
}
}

TEST(SegmentLoading, ZeroCellsStampFloorThreeTimesInFourInReadingOrder)
{
    ScratchMaps maps;
    maps.write(0, segmentText(filledSegment(0)));
    TileMap map;
    std::srand(99);
    floorsAfterStamping(map, 10, 20, 0);
    std::srand(99);
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            ASSERT_EQ(map.tiles[10 + column][20 + row].kind, std::rand() % 20 < 15 ? Floor : Rock)
                << "one draw per cell, row by row";
    int floors = 0;
    for (int stamp = 0; stamp < 30; ++stamp)
        floors += floorsAfterStamping(map, 40, 40, 0);
    EXPECT_NEAR(floors / 3000.0, 0.75, 0.04);
}

TEST(SegmentLoading, OnlyZeroCellsDrawAndCodeSevenStampsNothing)
{
    ScratchMaps maps;
    maps.write(3, segmentText(filledSegment(7, {{0, Rock}, {55, Water}, {99, 0}})));  // one draw
    TileMap map;
    map.reset();
    map.tiles[31][30].kind = Rock;
    std::srand(5);
    map.loadSegment(30, 30, 3);
    const int next = std::rand();
    EXPECT_EQ(next, randAfter(5, 1));
    EXPECT_EQ(map.tiles[30][30].kind, Rock);
    EXPECT_EQ(map.tiles[35][35].kind, Water);
    EXPECT_EQ(map.tiles[31][30].kind, Rock) << "code 7 leaves the tile alone";
    EXPECT_EQ(map.tiles[32][30].kind, Floor);
}

TEST(SegmentLoading, NeighbourRulesAreJudgedAgainstTheMapAsItStandsThen)
{
    ScratchMaps maps;
    // Rock then water beside it: refused. Water then rock diagonally after it:
    // dried. Water with old rock below-right: refused though a zero clears that rock.
    maps.write(1, segmentText(filledSegment(7, {{0, 2}, {1, 1}, {20, 1}, {31, 2}, {50, 1}, {61, 0}})));
    TileMap map;
    map.reset();
    map.tiles[11][16].kind = Rock;
    unsigned seed = 1;
    while (randAfter(seed, 0) % 20 >= 15)  // a seed whose first zero cell stamps
        ++seed;
    std::srand(seed);
    map.loadSegment(10, 10, 1);
    EXPECT_EQ(map.tiles[11][10].kind, Floor);
    EXPECT_EQ(map.tiles[10][12].kind, Floor);
    EXPECT_EQ(map.tiles[11][13].kind, Rock);
    EXPECT_EQ(map.tiles[10][15].kind, Floor);
    EXPECT_EQ(map.tiles[11][16].kind, Floor) << "the zero cell stamped";
}

TEST(SegmentLoading, PlacementWrapsAroundTheExtentsAndClipsAtTheGrid)
{
    ScratchMaps maps;
    maps.write(2, segmentText(filledSegment(Rock)));
    TileMap map;
    map.width = 40;
    map.height = 30;
    map.reset();
    map.loadSegment(map.width + 3, 65, 2);
    EXPECT_EQ(map.segmentOrigin->x, 3 * 64.0);
    EXPECT_EQ(map.segmentOrigin->y, 5 * 64.0);
    EXPECT_EQ(map.tiles[13][5].kind, Floor);
    map.reset();
    map.loadSegment(-5, -5, 2);  // remainder keeps the sign: the segment hangs off the top-left
    EXPECT_EQ(map.tiles[4][4].kind, Rock);
    EXPECT_EQ(map.tiles[5][5].kind, Floor);
    EXPECT_EQ(map.outsideTile->kind, Rock);
}

TEST(SegmentLoading, MissingShortDamagedOrHugeCodesStampWhatIsSoundAndDrawNothing)
{
    ScratchMaps maps;
    maps.write(1, "2 2 2\n");
    maps.write(2, "2 2 x 2 2\n");
    // 4294967298 would wrap to 2 (rock) in a 32-bit read.
    maps.write(5, "4294967298 -4294967295 99999999999999999999 " + segmentText(filledSegment(Rock)));
    TileMap map;
    map.width = map.height = 85;
    map.reset();
    std::srand(11);
    map.loadSegment(20, 20, 0);  // no such file
    map.loadSegment(20, 40, 1);
    map.loadSegment(40, 20, 2);
    map.loadSegment(60, 60, 5);
    const int next = std::rand();
    EXPECT_EQ(next, randAfter(11, 0)) << "cells without a code draw nothing";
    EXPECT_EQ(map.tiles[22][40].kind, Rock);
    EXPECT_EQ(map.tiles[23][40].kind, Floor);
    EXPECT_EQ(map.tiles[43][20].kind, Floor) << "nothing after the damage is read";
    EXPECT_EQ(map.tiles[62][60].kind, Floor) << "too large for a code";
    EXPECT_EQ(map.tiles[63][60].kind, Rock) << "the rest of the file is still read";
}
