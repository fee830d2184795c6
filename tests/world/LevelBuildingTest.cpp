#include <gtest/gtest.h>

#include <cstdlib>

#include "ScratchMaps.h"
#include "world/LevelSizes.h"
#include "world/TileMap.h"

namespace {
constexpr int MaxBuildAttempts = 10000;

int markedTiles(const TileMap& map)
{
    int marked = 0;
    for (const auto& column : map.tiles)
        for (const Tile& tile : column)
            marked += tile.visibility != Unreachable;
    return marked;
}

void expectEmptyLevel(const TileMap& map)
{
    for (int x = 0; x < TileMap::GridSize; ++x) {
        for (int y = 0; y < TileMap::GridSize; ++y) {
            const Tile& tile = map.tiles[x][y];
            bool inside = x >= 1 && x <= map.width && y >= 1 && y <= map.height;
            ASSERT_EQ(tile.kind, inside ? Floor : Rock) << x << "," << y;
            ASSERT_EQ(tile.visibility, Unreachable);
            ASSERT_EQ(tile.debris, -1);
        }
    }
    EXPECT_EQ(map.outsideTile->kind, Rock);
}

bool entranceConnects(const TileMap& map)
{
    for (int i = 0; i < map.width; ++i)
        if (map.tiles[i][3].visibility != Unreachable || map.tiles[3][i].visibility != Unreachable)
            return true;
    return false;
}
}

TEST(LevelBuilding, ResetLaysOutAnEmptyLevelOfTheCurrentExtents)
{
    TileMap map;
    EXPECT_EQ(map.width, 90);
    EXPECT_EQ(map.height, 90);
    map.tiles[5][5].debris = 3;
    map.tiles[5][5].visibility = InSight;
    map.tiles[7][7].kind = Water;
    map.width = 20;
    map.height = 20;
    map.reset();
    EXPECT_EQ(map.tiles[0][5].kind, Rock);
    EXPECT_EQ(map.tiles[21][5].kind, Rock);
    EXPECT_EQ(map.tiles[5][21].kind, Rock);
    EXPECT_EQ(map.tiles[1][1].kind, Floor);
    EXPECT_EQ(map.tiles[20][20].kind, Floor);
    expectEmptyLevel(map);
}

TEST(FloodFill, StartedOnRockMarksOnlyThatTile)
{
    TileMap map;
    map.width = map.height = 20;
    map.reset();
    map.tiles[5][5].kind = Rock;
    map.floodFill(5, 5);
    EXPECT_EQ(map.tiles[5][5].visibility, Unseen);
    EXPECT_EQ(markedTiles(map), 1);
}

TEST(FloodFill, EnclosedRegionIsMarkedWithItsRockAndNothingBeyond)
{
    TileMap map;
    map.width = map.height = 30;
    map.reset();
    // A 4 x 3 room at columns 10-13, rows 10-12, walled all round; the
    // ring's corners are not touched by edge steps.
    for (int x = 9; x <= 14; ++x)
        map.tiles[x][9].kind = map.tiles[x][13].kind = Rock;
    for (int y = 9; y <= 13; ++y)
        map.tiles[9][y].kind = map.tiles[14][y].kind = Rock;
    map.tiles[11][11].kind = Water;
    map.floodFill(12, 11);
    for (int x = 10; x <= 13; ++x)
        for (int y = 10; y <= 12; ++y)
            EXPECT_EQ(map.tiles[x][y].visibility, Unseen);
    EXPECT_EQ(map.tiles[10][9].visibility, Unseen);
    EXPECT_EQ(map.tiles[14][12].visibility, Unseen);
    EXPECT_EQ(map.tiles[9][9].visibility, Unreachable) << "corner of the ring";
    EXPECT_EQ(map.tiles[15][11].visibility, Unreachable);
    EXPECT_EQ(markedTiles(map), 12 + 2 * 4 + 2 * 3);
}

TEST(FloodFill, CoversAWholeLevelWithoutDeepRecursion)
{
    TileMap map;
    map.width = map.height = 85;
    map.reset();
    map.floodFill(1, 1);
    // The open area plus the rock that closes it to the right and below;
    // column 0 and row 0 lie outside the fill's reach.
    EXPECT_EQ(markedTiles(map), 85 * 85 + 85 + 85);
}

TEST(FloodFill, StaysOnTheGridAndWithinTenTilesBeyondTheExtents)
{
    TileMap map;
    map.reset();
    for (auto& column : map.tiles)
        for (Tile& tile : column)
            tile.kind = Floor;
    map.floodFill(50, 50);  // extents 90: the reach would end at 100, off the grid
    EXPECT_EQ(markedTiles(map), 99 * 99);

    map.width = map.height = 20;
    map.reset();
    for (int x = 0; x < TileMap::GridSize; ++x)
        map.tiles[x][5].kind = Floor;
    map.floodFill(1, 1);
    EXPECT_EQ(map.tiles[30][5].visibility, Unseen);
    EXPECT_EQ(map.tiles[31][5].visibility, Unreachable);
}

TEST(LevelBuilding, AcceptedLevelLeadsFromTheEntranceToTheTopOrLeft)
{
    TileMap map;
    std::srand(3);
    ASSERT_TRUE(map.build(20, 20, 15));
    EXPECT_GE(map.buildAttempts, 1);
    EXPECT_TRUE(entranceConnects(map));
    for (int i = 24; i <= 29; ++i)
        for (int j = 24; j <= 29; ++j)
            EXPECT_EQ(map.tiles[i][j].kind, Floor) << "square A";
    for (int i = 28; i <= 33; ++i)
        for (int j = 28; j <= 33; ++j)
            EXPECT_EQ(map.tiles[i][j].kind, Floor) << "square B";
    EXPECT_EQ(map.tiles[28][28].visibility, Unseen) << "where the elf starts";
    EXPECT_EQ(map.tiles[31][31].visibility, Unreachable) << "B beyond the fill's reach";
    EXPECT_EQ(map.tiles[34][34].kind, Rock);
}

TEST(LevelBuilding, EachSegmentDrawsItsNumberThenRowThenColumn)
{
    // Segment n is floor with one rock at cell n, so where the rock lands
    // tells which number, row and column the last attempt drew.
    ScratchMaps maps;
    for (int n = 0; n < 10; ++n) {
        std::vector<int> codes = filledSegment(0);
        codes[n] = Rock;
        maps.write(n, segmentText(codes));
    }
    TileMap map;
    for (unsigned seed = 1; seed < 100; ++seed) {
        std::srand(seed);
        ASSERT_TRUE(map.build(20, 20, 1));
        std::srand(seed);
        int number = 0, row = 0, column = 0;
        for (int attempt = 0; attempt < map.buildAttempts; ++attempt) {
            number = std::rand() % 10;
            row = std::rand() % 20;
            column = std::rand() % 20;
            for (int zeroCell = 0; zeroCell < 99; ++zeroCell)
                std::rand();
        }
        if (column + number > 20 || row < 1)
            continue;  // the marker fell into the rock band; try a level where it shows
        int rocks = 0;
        for (int x = 1; x <= 20; ++x)
            for (int y = 1; y <= 20; ++y)
                rocks += map.tiles[x][y].kind == Rock;
        EXPECT_EQ(rocks, 1);
        EXPECT_EQ(map.tiles[column + number][row].kind, Rock);
        return;
    }
    FAIL() << "no level showed its marker";
}

TEST(LevelBuilding, ExtentsAreClampedSoNothingLeavesTheGrid)
{
    TileMap map;
    std::srand(1);
    EXPECT_TRUE(map.build(90, 1000, 155));
    EXPECT_EQ(map.width, 85);
    EXPECT_EQ(map.height, 85);
    EXPECT_EQ(map.tiles[98][98].kind, Floor) << "square B ends at 85 + 13";
    EXPECT_EQ(map.tiles[99][99].kind, Rock);

    EXPECT_FALSE(map.build(-7, 0, 0));
    EXPECT_EQ(map.width, 1);
    EXPECT_EQ(map.height, 1);
    expectEmptyLevel(map);
}

TEST(LevelBuilding, GivesUpOnSegmentsThatNeverOpenTheWay)
{
    ScratchMaps maps;
    maps.writeAll(segmentText(filledSegment(Rock)));
    TileMap map;
    EXPECT_FALSE(map.build(20, 20, 1));
    EXPECT_EQ(map.buildAttempts, MaxBuildAttempts);
    EXPECT_EQ(map.width, 20);
    expectEmptyLevel(map);
}

TEST(LevelBuilding, ShippedSegmentsBuildEverySizeInAFewAttempts)
{
    constexpr int BuildsPerSize = 25;
    TileMap map;
    std::srand(2024);
    for (const LevelSize& size : LevelSizes) {
        int attempts = 0;
        for (int i = 0; i < BuildsPerSize; ++i) {
            ASSERT_TRUE(map.build(size.width, size.height, size.segmentCount)) << size.name;
            ASSERT_TRUE(entranceConnects(map));
            attempts += map.buildAttempts;
        }
        EXPECT_LE(attempts, BuildsPerSize * 8) << size.name << ": mean attempts too high";
    }
}
