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

void rockOver(TileMap& map, int left, int top)
{
    for (int column = left; column < left + 10; ++column)
        for (int row = top; row < top + 10; ++row)
            map.tiles[column][row].kind = Rock;
}

int floorsIn(TileMap& map, int left, int top)
{
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
    rockOver(map, 10, 20);
    std::srand(99);
    map.loadSegment(10, 20, 0);
    std::srand(99);
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            ASSERT_EQ(map.tiles[10 + column][20 + row].kind, std::rand() % 20 < 15 ? Floor : Rock)
                << "one draw per cell, row by row";

    int floors = 0;
    for (int stamp = 0; stamp < 30; ++stamp) {
        rockOver(map, 40, 40);
        map.loadSegment(40, 40, 0);
        floors += floorsIn(map, 40, 40);
    }
    EXPECT_NEAR(floors / 3000.0, 0.75, 0.04);
}

TEST(SegmentLoading, OnlyZeroCellsDrawAndCodeSevenStampsNothing)
{
    ScratchMaps maps;
    std::vector<int> codes = filledSegment(7);
    codes[0] = 2;
    codes[55] = 1;
    codes[99] = 0;  // the only draw
    maps.write(3, segmentText(codes));
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
    std::vector<int> codes = filledSegment(7);
    codes[0] = 2;   // rock first, water beside it after: refused
    codes[1] = 1;
    codes[20] = 1;  // water first, rock diagonally after it: dried
    codes[31] = 2;
    codes[50] = 1;  // water with old rock below-right: refused though a zero will clear that rock
    codes[61] = 0;
    maps.write(1, segmentText(codes));
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
    maps.write(2, segmentText(filledSegment(2)));
    TileMap map;
    map.width = 40;
    map.height = 30;
    map.reset();
    map.loadSegment(map.width + 3, 65, 2);
    EXPECT_EQ(map.segmentOrigin->x, 3 * 64.0);
    EXPECT_EQ(map.segmentOrigin->y, 5 * 64.0);
    EXPECT_EQ(map.tiles[3][5].kind, Rock);
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
    std::string huge = "4294967298 -4294967295 99999999999999999999";
    for (int cell = 3; cell < 100; ++cell)
        huge += " 2";
    maps.write(5, huge);
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

    EXPECT_EQ(floorsIn(map, 20, 20), 100);
    EXPECT_EQ(map.tiles[22][40].kind, Rock);
    EXPECT_EQ(map.tiles[23][40].kind, Floor);
    EXPECT_EQ(map.tiles[41][20].kind, Rock);
    EXPECT_EQ(map.tiles[43][20].kind, Floor) << "nothing after the damage is read";
    EXPECT_EQ(map.tiles[60][60].kind, Floor) << "too large for a code";
    EXPECT_EQ(map.tiles[62][60].kind, Floor);
    EXPECT_EQ(map.tiles[63][60].kind, Rock) << "the rest of the file is still read";
}
