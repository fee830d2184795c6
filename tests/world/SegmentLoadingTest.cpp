#include <gtest/gtest.h>

#include <cstdlib>

#include "ScratchMaps.h"
#include "world/TileMap.h"

namespace {
// Every tile rock, as around a level before segments open it.
void fillWithRock(TileMap& map)
{
    for (auto& column : map.tiles)
        for (Tile& tile : column)
            tile.kind = Rock;
}

// The next value rand() would give, without disturbing the sequence for the caller.
int randAfter(unsigned seed, int draws)
{
    std::srand(seed);
    for (int i = 0; i < draws; ++i)
        std::rand();
    return std::rand();
}

// A seed whose first draw lets a zero cell stamp floor.
unsigned seedWhoseFirstZeroStamps()
{
    unsigned seed = 1;
    while (randAfter(seed, 0) % 20 >= 15)
        ++seed;
    return seed;
}
}

TEST(SegmentLoading, ZeroCellsStampFloorThreeTimesInFour)
{
    ScratchMaps maps;
    maps.write(0, segmentText(filledSegment(0)));
    TileMap map;
    fillWithRock(map);
    const unsigned seed = 99;
    std::srand(seed);
    map.loadSegment(10, 20, 0);

    // One draw per cell in reading order; floor exactly where the draw allowed it.
    std::srand(seed);
    int floors = 0;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            bool stamps = std::rand() % 20 < 15;
            EXPECT_EQ(map.tiles[10 + column][20 + row].kind, stamps ? Floor : Rock);
            floors += map.tiles[10 + column][20 + row].kind == Floor;
        }
    }
    EXPECT_GE(floors, 60);
    EXPECT_LE(floors, 90);

    int manyFloors = 0;
    for (int stamp = 0; stamp < 30; ++stamp) {
        fillWithRock(map);
        map.loadSegment(40, 40, 0);
        for (int column = 40; column < 50; ++column)
            for (int row = 40; row < 50; ++row)
                manyFloors += map.tiles[column][row].kind == Floor;
    }
    EXPECT_NEAR(manyFloors / 3000.0, 0.75, 0.04);
}

TEST(SegmentLoading, NonZeroCodesDrawNoRandomNumbers)
{
    ScratchMaps maps;
    std::vector<int> codes = filledSegment(7);
    codes[0] = 2;
    codes[55] = 1;
    codes[99] = 0;  // the only draw
    maps.write(3, segmentText(codes));
    TileMap map;
    map.reset();
    std::srand(5);
    map.loadSegment(30, 30, 3);
    int next = std::rand();
    EXPECT_EQ(next, randAfter(5, 1));
    EXPECT_EQ(map.tiles[30][30].kind, Rock);
    EXPECT_EQ(map.tiles[35][35].kind, Water);
    EXPECT_EQ(map.tiles[31][30].kind, Floor) << "code 7 leaves the tile alone";
}

TEST(SegmentLoading, CodeSevenLeavesRockInPlace)
{
    ScratchMaps maps;
    maps.write(4, segmentText(filledSegment(7)));
    TileMap map;
    fillWithRock(map);
    std::srand(8);
    map.loadSegment(30, 30, 4);
    int next = std::rand();
    EXPECT_EQ(next, randAfter(8, 0));
    for (int column = 30; column < 40; ++column)
        for (int row = 30; row < 40; ++row)
            ASSERT_EQ(map.tiles[column][row].kind, Rock);
}

TEST(SegmentLoading, WaterIsJudgedAgainstTheMapAsItStandsThen)
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
    std::srand(seedWhoseFirstZeroStamps());
    map.loadSegment(10, 10, 1);
    EXPECT_EQ(map.tiles[11][10].kind, Floor);
    EXPECT_EQ(map.tiles[10][12].kind, Floor);
    EXPECT_EQ(map.tiles[11][13].kind, Rock);
    EXPECT_EQ(map.tiles[10][15].kind, Floor);
    EXPECT_EQ(map.tiles[11][16].kind, Floor) << "the zero cell stamped";
}

TEST(SegmentLoading, PlacementWrapsAroundTheExtents)
{
    ScratchMaps maps;
    std::vector<int> codes = filledSegment(7);
    codes[0] = 2;
    maps.write(2, segmentText(codes));
    TileMap map;
    map.width = 40;
    map.height = 30;
    map.reset();
    map.loadSegment(map.width + 3, 65, 2);
    EXPECT_EQ(map.segmentOrigin->x, 3 * 64.0);
    EXPECT_EQ(map.segmentOrigin->y, 5 * 64.0);
    EXPECT_EQ(map.tiles[3][5].kind, Rock);
}

TEST(SegmentLoading, SegmentsReachingOffTheGridStampOnlyWhatLiesOnIt)
{
    ScratchMaps maps;
    maps.write(6, segmentText(filledSegment(2)));
    TileMap map;
    map.reset();
    map.loadSegment(-5, -5, 6);  // remainder keeps the sign: the segment hangs off the top-left
    EXPECT_EQ(map.tiles[0][0].kind, Rock);
    EXPECT_EQ(map.tiles[4][4].kind, Rock);
    EXPECT_EQ(map.tiles[5][5].kind, Floor);
    EXPECT_EQ(map.outsideTile->kind, Rock);
}

TEST(SegmentLoading, MissingShortOrDamagedFilesStampWhatTheyHoldAndNoMore)
{
    ScratchMaps maps;
    maps.write(1, "2 2 2\n");
    maps.write(2, "2 2 x 2 2\n");
    maps.write(3, "");
    TileMap map;
    map.reset();
    std::srand(11);
    map.loadSegment(20, 20, 0);  // no such file
    map.loadSegment(20, 40, 1);
    map.loadSegment(40, 20, 2);
    map.loadSegment(40, 40, 3);
    map.loadSegment(60, 20, 12345);
    int next = std::rand();
    EXPECT_EQ(next, randAfter(11, 0)) << "cells without a code draw nothing";

    EXPECT_EQ(map.tiles[20][20].kind, Floor);
    EXPECT_EQ(map.tiles[22][40].kind, Rock);
    EXPECT_EQ(map.tiles[23][40].kind, Floor);
    EXPECT_EQ(map.tiles[41][20].kind, Rock);
    EXPECT_EQ(map.tiles[42][20].kind, Floor) << "nothing after the damage is read";
    EXPECT_EQ(map.tiles[43][20].kind, Floor);
    EXPECT_EQ(map.tiles[40][40].kind, Floor);
}

TEST(SegmentLoading, NumbersTooLargeForACodeStampNothing)
{
    ScratchMaps maps;
    // 4294967298 would wrap to 2 (rock) in a 32-bit read.
    std::string text = "4294967298 -4294967295 99999999999999999999";
    for (int cell = 3; cell < 100; ++cell)
        text += " 2";
    maps.write(5, text);
    TileMap map;
    map.reset();
    map.loadSegment(4, 4, 5);
    EXPECT_EQ(map.tiles[4][4].kind, Floor);
    EXPECT_EQ(map.tiles[5][4].kind, Floor);
    EXPECT_EQ(map.tiles[7][4].kind, Rock) << "the rest of the file is still read";
}
