#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/ActorWorld.h"
#include "support/Headless.h"
#include "support/Point.h"
#include "support/ScratchDirectory.h"
#include "world/FastSprite.h"

namespace {
constexpr int Mark = 0xc8a028;

// Open floor all over, with extents of 40 x 30 tiles.
struct Map : testing::Test {
    ActorWorld world;
    TileMap& map = *world.map;
    View& view = *world.view;

    Map()
    {
        headless::releaseInput();
        map.width = 40;
        map.height = 30;
    }
    Tile& tile(int column, int row) { return map.tiles[column][row]; }
    // maps/seg<number>.txt: 100 cells of one code, with exceptions as {cell, code}.
    void writeSegment(int number, const char* code, std::initializer_list<std::pair<int, const char*>> exceptions)
    {
        std::string text;
        for (int cell = 0; cell < 100; ++cell) {
            std::string c = code;
            for (auto [at, other] : exceptions)
                c = at == cell ? other : c;
            text += c + (cell % 10 == 9 ? "\n" : " ");
        }
        std::filesystem::create_directories("maps");
        std::ofstream("maps/seg" + std::to_string(number) + ".txt") << text;
    }
    int marked()
    {
        int count = 0;
        for (const auto& column : map.tiles)
            for (const Tile& t : column)
                count += t.visibility != Unreachable;
        return count;
    }
    // One editor step with the mouse over tile (column, row) at origin (0, 0).
    void edit(int column, int row, int buttons, std::initializer_list<int> heldKeys = {})
    {
        mouse_x = column * 64 + 64;  // the aim sits 32 px up and left of the mouse
        mouse_y = row * 64 + 64;
        mouse_b = buttons;
        for (int k : heldKeys)
            key[k] = 1;
        world.game->editSegments();
        headless::releaseInput();
    }
};
}

TEST_F(Map, SegmentZeroCellsStampFloorThreeTimesInFourWithOneDrawEach)
{
    ScratchDirectory scratch;
    writeSegment(0, "0", {});
    for (int x = 10; x < 20; ++x)
        for (int y = 20; y < 30; ++y)
            tile(x, y).kind = Rock;
    std::srand(99);
    map.loadSegment(10, 20, 0);
    std::srand(99);
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            ASSERT_EQ(tile(10 + column, 20 + row).kind, std::rand() % 20 < 15 ? Floor : Rock) << "one draw a cell";
}

// Codes beyond 32 and 64 bits would wrap to rock (2) if read into a machine word.
TEST_F(Map, SegmentCodesPaintRowByRowFromTheWrappedCornerByThePasteRuleAndOthersPaintNothing)
{
    ScratchDirectory scratch;
    writeSegment(1, "7", {{0, "2"}, {1, "1"}, {2, "4294967298"}, {3, "-18446744073709551614"}, {20, "1"}, {31, "2"},
                          {99, "0"}});
    tile(33, 5).kind = Rock;
    std::srand(5);
    map.loadSegment(map.width + 3, 35, 1);  // lands at column 3, row 5
    const int next = std::rand();
    std::srand(5);
    std::rand();
    EXPECT_EQ(next, std::rand()) << "only the one zero cell draws";
    for (auto [x, y, kind, why] : {std::tuple{3, 5, Rock, ""}, {4, 5, Floor, "water right after rock is refused"},
                                   {5, 5, Floor, "huge codes stamp nothing"}, {6, 5, Floor, ""},
                                   {3, 7, Floor, "water dried by rock stamped after it"}, {4, 8, Rock, ""},
                                   {33, 5, Rock, "code 7 leaves the tile alone"}})
        EXPECT_EQ(tile(x, y).kind, kind) << x << "," << y << " " << why;
}

TEST_F(Map, ResetWallsTheExtentsInRockAndTheFillMarksWhatTheEntranceReachesWithinTenTilesBeyond)
{
    map.width = map.height = 20;
    map.reset();
    for (auto [x, y, kind] : {std::array{0, 5, 2}, {21, 5, 2}, {5, 21, 2}, {1, 1, 0}, {20, 20, 0}, {20, 1, 0}})
        EXPECT_EQ(tile(x, y).kind, kind) << x << "," << y;
    EXPECT_EQ(marked(), 0);
    for (int x = 9; x <= 14; ++x)
        tile(x, 9).kind = tile(x, 13).kind = Rock;
    for (int y = 9; y <= 13; ++y)
        tile(9, y).kind = tile(14, y).kind = Rock;
    tile(11, 11).kind = Water;
    map.floodFill(12, 11);
    EXPECT_EQ(tile(14, 12).visibility, Unseen) << "the wall it touches";
    EXPECT_EQ(tile(9, 9).visibility, Unreachable) << "corners are not edge steps";
    EXPECT_EQ(marked(), 4 * 3 + 2 * 4 + 2 * 3);
    map.reset();
    for (int x = 0; x < 100; ++x)
        tile(x, 5).kind = Floor;
    map.floodFill(1, 1);
    EXPECT_EQ(tile(30, 5).visibility, Unseen);
    EXPECT_EQ(tile(31, 5).visibility, Unreachable) << "ten tiles beyond the extents at most";
}

TEST_F(Map, LevelsOpenBothEntranceSquaresClampTheirExtentsAndLitterOnlyFloorWithEveryKind)
{
    std::srand(3);
    ASSERT_TRUE(map.build(20, 20, 15));
    for (int i = 24; i <= 33; ++i)
        EXPECT_EQ(tile(i, i).kind, Floor) << "squares A (24-29) and B (28-33)";
    EXPECT_EQ(tile(34, 34).kind, Rock);
    EXPECT_EQ(tile(28, 28).visibility, Unseen) << "where the elf starts";
    EXPECT_EQ(tile(31, 31).visibility, Unreachable) << "B beyond the fill's reach";
    EXPECT_TRUE(map.build(90, 1000, 155));
    EXPECT_EQ(map.width, 85) << "clamped so that square B stays on the grid";
    EXPECT_EQ(map.height, 85);
    world.game->startLevel(2);
    std::set<int> kinds;
    for (const auto& column : map.tiles)
        for (const Tile& t : column)
            if (t.debris >= 0) {
                kinds.insert(t.debris);
                EXPECT_EQ(t.kind, Floor);
            }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(Map, OffTheGridIsRockWherePastesLeaveNoTrace)
{
    for (Vector p : {at(0.0, 100.0), at(100.0, 0.0), at(6400.0, 10.0), at(10.0, 6400.0), at(-1.0, 10.0), at(NAN, 1)})
        EXPECT_EQ(&map.tileAt(p), map.outsideTile.get()) << p.x << ", " << p.y;
    EXPECT_EQ(&map.tileAt(at(0.5, 0.5)), &tile(0, 0));
    EXPECT_EQ(&map.tileAt(at(63.9, 64.0)), &tile(0, 1));
    EXPECT_EQ(&map.tileAt(at(6399.9, 6399.9)), &tile(99, 99));
    for (int code : {0, 1, 2, 3}) {
        map.paste(at(-10, -10), code);
        EXPECT_EQ(map.outsideTile->kind, Rock) << code;
    }
}

TEST_F(Map, TheEditorPaintsWaterNeverBesideRockRockDriesItsNeighboursAndTheKeysScroll)
{
    view.origin->copyFrom(at(0, 0));
    edit(2, 2, 2);
    for (auto [column, row] : {std::pair{3, 3}, {4, 2}, {0, 5}})
        edit(column, row, 1);
    EXPECT_EQ(tile(2, 2).kind, Rock);
    EXPECT_EQ(tile(3, 3).kind, Floor) << "water beside rock, diagonally, is refused";
    EXPECT_EQ(tile(4, 2).kind, Water) << "two tiles away does not count";
    EXPECT_EQ(tile(0, 5).kind, Floor) << "the rock outside neighbours the edge";
    for (int x = 6; x <= 10; ++x)
        for (int y = 3; y <= 7; ++y)
            tile(x, y).kind = Water;
    edit(8, 5, 2);
    EXPECT_EQ(tile(7, 4).kind, Floor);
    EXPECT_EQ(tile(9, 6).kind, Floor);
    EXPECT_EQ(tile(10, 5).kind, Water) << "only the eight neighbours";
    edit(8, 5, 0, {KEY_SPACE});
    EXPECT_EQ(tile(8, 5).kind, Floor);
    for (auto keys : {std::initializer_list<int>{KEY_A, KEY_S}, {KEY_A, KEY_S}, {KEY_D}, {KEY_W}})
        edit(0, 0, 0, keys);
    EXPECT_EQ(view.origin->x, -36);
    EXPECT_EQ(view.origin->y, 36);
}

TEST_F(Map, PicturesLandOnTheirTilesAndTheHalfFogIsTheFogPiercedEveryOtherPixel)
{
    for (int y = 0; y < map.fog->h; ++y)
        for (int x = 0; x < map.fog->w; ++x)
            ASSERT_EQ(getpixel(map.halfFog, x, y), (x + y) % 2 ? getpixel(map.fog, x, y) : maskColour()) << x << y;
    for (BITMAP** picture : {&map.dirt, &map.water, &map.rock})
        world.paint(*picture, 128, 128, Mark, 40, 40, false);
    world.paint(world.game->debrisTable->debrisSprites[2], 64, 64, Mark, 2, 2, false);
    tile(3, 3).kind = Water;
    tile(1, 3).kind = Rock;
    tile(5, 1).debris = 2;
    view.origin->copyFrom(at(-10, 5));  // ox 54, oy 5: tile (x, y) has its corner at (64 x + 10, 64 y - 5)
    map.drawGround(view);
    map.drawDebrisAndFades(view);
    map.drawWaterAndRock(view);
    // First pixel of each mark: dirt every 128 px from (-54, -5); debris at
    // its tile's corner, water and rock 32 px up and left of it.
    for (auto [x, y] : {std::array{-54 + 128 + 38, -5 + 38}, {202 - 32 + 38, 187 - 32 + 38}, {74 - 32 + 38, 187 - 32 + 38},
                        {330, 59}}) {
        EXPECT_TRUE(world.shows(x, y, Mark)) << x << "," << y;
        EXPECT_FALSE(world.shows(x - 1, y - 1, Mark)) << x << "," << y;
    }
}
