#include <gtest/gtest.h>

#include <cstdlib>

#include "ScratchMaps.h"
#include "world/LevelSizes.h"
#include "world/TileMap.h"

namespace {
int markedTiles(const TileMap& map)
{
    int marked = 0;
    for (const auto& column : map.tiles)
        for (const Tile& tile : column)
            marked += tile.visibility != Unreachable;
    return marked;
}

// What reset lays out: floor inside the extents, rock around, nothing marked.
void expectEmptyLevel(const TileMap& map)
{
    for (int x = 0; x < TileMap::GridSize; ++x) {
        for (int y = 0; y < TileMap::GridSize; ++y) {
            bool inside = x >= 1 && x <= map.width && y >= 1 && y <= map.height;
            ASSERT_EQ(map.tiles[x][y].kind, inside ? Floor : Rock) << x << "," << y;
            ASSERT_EQ(map.tiles[x][y].visibility, Unreachable);
        }
    }
}

bool entranceConnects(const TileMap& map)
{
    for (int i = 0; i < map.width; ++i)
        if (map.tiles[i][3].visibility != Unreachable || map.tiles[3][i].visibility != Unreachable)
            return true;
    return false;
}
}

TEST(FloodFill, FromRockAndInsideAnEnclosedRoom)
{
    TileMap map;
    map.width = map.height = 30;
    map.reset();
    map.tiles[5][5].kind = Rock;
    map.floodFill(5, 5);
    EXPECT_EQ(markedTiles(map), 1) << "rock is marked but not walked through";

    map.reset();
    // A 4 x 3 room at columns 10-13, rows 10-12, walled all round.
    for (int x = 9; x <= 14; ++x)
        map.tiles[x][9].kind = map.tiles[x][13].kind = Rock;
    for (int y = 9; y <= 13; ++y)
        map.tiles[9][y].kind = map.tiles[14][y].kind = Rock;
    map.tiles[11][11].kind = Water;
    map.floodFill(12, 11);
    EXPECT_EQ(map.tiles[11][11].visibility, Unseen);
    EXPECT_EQ(map.tiles[14][12].visibility, Unseen) << "the wall it touches";
    EXPECT_EQ(map.tiles[9][9].visibility, Unreachable) << "corners are not edge steps";
    EXPECT_EQ(markedTiles(map), 12 + 2 * 4 + 2 * 3);
}

TEST(FloodFill, AMapSizedRegionStaysOnTheGridAndWithinTenTilesBeyondTheExtents)
{
    TileMap map;  // extents 90: the reach would end at 100, off the grid
    for (auto& column : map.tiles)
        for (Tile& tile : column)
            tile = Tile{Floor, Unreachable, -1};
    map.floodFill(50, 50);
    EXPECT_EQ(markedTiles(map), 99 * 99) << "column and row 0 lie outside the reach";

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
    EXPECT_TRUE(entranceConnects(map));
    for (int i = 24; i <= 33; ++i)
        EXPECT_EQ(map.tiles[i][i].kind, Floor) << "squares A (24-29) and B (28-33)";
    EXPECT_EQ(map.tiles[28][28].visibility, Unseen) << "where the elf starts";
    EXPECT_EQ(map.tiles[31][31].visibility, Unreachable) << "B beyond the fill's reach";
    EXPECT_EQ(map.tiles[34][34].kind, Rock);
}

TEST(LevelBuilding, ExtentsAreClampedAndAHopelessBuildGivesUpOnAnEmptyLevel)
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

    ScratchMaps maps;
    maps.writeAll(segmentText(filledSegment(Rock)));
    EXPECT_FALSE(map.build(20, 20, 1));
    EXPECT_EQ(map.buildAttempts, 10000);
    EXPECT_EQ(map.width, 20);
    expectEmptyLevel(map);
}

TEST(LevelBuilding, ShippedSegmentsBuildEverySizeInAFewAttempts)
{
    constexpr int BuildsPerSize = 10;
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
