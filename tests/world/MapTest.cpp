#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "support/Point.h"
#include "support/ScratchDirectory.h"
#include "world/TileMap.h"

namespace {
Vector centreOf(int column, int row)
{
    return at(column * 64.0 + 32.0, row * 64.0 + 32.0);
}

// maps/seg<number>.txt in the working directory: 100 cells of one code,
// with exceptions as {cell, code}.
void writeSegment(int number, int code, std::initializer_list<std::pair<int, int>> exceptions = {})
{
    std::string text;
    for (int cell = 0; cell < 100; ++cell) {
        int c = code;
        for (auto [at, other] : exceptions)
            c = at == cell ? other : c;
        text += std::to_string(c) + (cell % 10 == 9 ? "\n" : " ");
    }
    std::filesystem::create_directories("maps");
    std::ofstream("maps/seg" + std::to_string(number) + ".txt") << text;
}

int marked(const TileMap& map)
{
    int count = 0;
    for (const auto& column : map.tiles)
        for (const Tile& tile : column)
            count += tile.visibility != Unreachable;
    return count;
}

struct Map : testing::Test {
    std::unique_ptr<TileMap> map{new TileMap()};
    Tile& tile(int column, int row) { return map->tiles[column][row]; }
};
}

TEST_F(Map, TileAtAnswersRockOutsideForPointsOnOrBeyondTheEdges)
{
    for (Vector p : {at(0.0, 100.0), at(100.0, 0.0), at(6400.0, 10.0), at(10.0, 6400.0), at(-1.0, 10.0), at(NAN, 1)})
        EXPECT_EQ(&map->tileAt(p), map->outsideTile.get()) << p.x << ", " << p.y;
    EXPECT_EQ(&map->tileAt(at(0.5, 0.5)), &tile(0, 0));
    EXPECT_EQ(&map->tileAt(at(63.9, 64.0)), &tile(0, 1));
    EXPECT_EQ(&map->tileAt(at(6399.9, 6399.9)), &tile(99, 99));
}

TEST_F(Map, WaterIsRefusedBesideRockAndNewRockDriesTheWaterAroundIt)
{
    tile(9, 9).kind = Rock;  // diagonal
    tile(22, 10).kind = Rock;  // two tiles away does not count
    for (Vector p : {centreOf(10, 10), centreOf(20, 10), centreOf(0, 50), centreOf(50, 99)})
        map->paste(p, Water);
    EXPECT_EQ(tile(10, 10).kind, Floor);
    EXPECT_EQ(tile(20, 10).kind, Water);
    EXPECT_EQ(tile(0, 50).kind, Floor) << "the rock outside neighbours the edge";
    EXPECT_EQ(tile(50, 99).kind, Floor);

    for (int x = 28; x <= 32; ++x)
        for (int y = 28; y <= 32; ++y)
            tile(x, y).kind = Water;
    map->paste(centreOf(30, 30), Rock);
    EXPECT_EQ(tile(30, 30).kind, Rock);
    EXPECT_EQ(tile(29, 29).kind, Floor);
    EXPECT_EQ(tile(31, 31).kind, Floor);
    EXPECT_EQ(tile(32, 30).kind, Water) << "only the eight neighbours";
    map->paste(at(-10.0, 300.0), Floor);
    EXPECT_EQ(map->outsideTile->kind, Rock);
    map->paste(centreOf(32, 32), 3);
    map->paste(centreOf(32, 32), -1);
    EXPECT_EQ(tile(32, 32).kind, Water) << "unknown codes change nothing";
}

TEST_F(Map, SegmentZeroCellsStampFloorThreeTimesInFourOtherCodesAlwaysAndPlacementWraps)
{
    ScratchDirectory scratch;
    writeSegment(0, 0);
    writeSegment(1, 7, {{0, Rock}, {1, Water}, {20, Water}, {31, Rock}, {99, 0}});
    map->width = 40;
    map->height = 30;
    map->reset();
    for (int x = 10; x < 20; ++x)
        for (int y = 20; y < 30; ++y)
            tile(x, y).kind = Rock;
    std::srand(99);
    map->loadSegment(10, 20, 0);
    std::srand(99);
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            ASSERT_EQ(tile(10 + column, 20 + row).kind, std::rand() % 20 < 15 ? Floor : Rock) << "one draw a cell";

    tile(33, 5).kind = Rock;
    std::srand(5);
    map->loadSegment(map->width + 3, 35, 1);  // lands at column 3, row 5
    const int next = std::rand();
    std::srand(5);
    std::rand();
    EXPECT_EQ(next, std::rand()) << "only the one zero cell draws";
    EXPECT_EQ(tile(3, 5).kind, Rock);
    EXPECT_EQ(tile(4, 5).kind, Floor) << "water right after rock is refused";
    EXPECT_EQ(tile(3, 7).kind, Floor) << "water dried by rock stamped after it";
    EXPECT_EQ(tile(4, 8).kind, Rock);
    EXPECT_EQ(tile(33, 5).kind, Rock) << "code 7 leaves the tile alone";
}

TEST_F(Map, ResetAndFloodFillMarkWhatTheEntranceReaches)
{
    map->width = map->height = 20;
    map->reset();
    for (auto [x, y, kind] : {std::array{0, 5, 2}, {21, 5, 2}, {5, 21, 2}, {1, 1, 0}, {20, 20, 0}, {20, 1, 0}})
        EXPECT_EQ(tile(x, y).kind, kind) << x << "," << y;
    EXPECT_EQ(marked(*map), 0);
    map->floodFill(21, 5);
    EXPECT_EQ(marked(*map), 1) << "rock is marked but not walked through";
    map->reset();
    for (int x = 9; x <= 14; ++x)
        tile(x, 9).kind = tile(x, 13).kind = Rock;
    for (int y = 9; y <= 13; ++y)
        tile(9, y).kind = tile(14, y).kind = Rock;
    tile(11, 11).kind = Water;
    map->floodFill(12, 11);
    EXPECT_EQ(tile(14, 12).visibility, Unseen) << "the wall it touches";
    EXPECT_EQ(tile(9, 9).visibility, Unreachable) << "corners are not edge steps";
    EXPECT_EQ(marked(*map), 4 * 3 + 2 * 4 + 2 * 3);
    map->reset();
    for (int x = 0; x < 100; ++x)
        tile(x, 5).kind = Floor;
    map->floodFill(1, 1);
    EXPECT_EQ(tile(30, 5).visibility, Unseen);
    EXPECT_EQ(tile(31, 5).visibility, Unreachable) << "ten tiles beyond the extents at most";
}

TEST_F(Map, BuiltLevelsOpenBothEntranceSquaresAndConnectToTheTopOrLeft)
{
    std::srand(3);
    ASSERT_TRUE(map->build(20, 20, 15));
    for (int i = 24; i <= 33; ++i)
        EXPECT_EQ(tile(i, i).kind, Floor) << "squares A (24-29) and B (28-33)";
    EXPECT_EQ(tile(34, 34).kind, Rock);
    EXPECT_EQ(tile(28, 28).visibility, Unseen) << "where the elf starts";
    EXPECT_EQ(tile(31, 31).visibility, Unreachable) << "B beyond the fill's reach";
    EXPECT_TRUE(map->build(90, 1000, 155));
    EXPECT_EQ(map->width, 85) << "clamped so that square B stays on the grid";
    EXPECT_EQ(map->height, 85);
}
