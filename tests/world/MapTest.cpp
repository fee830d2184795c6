#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/MouseInput.h"
#include "support/ActorWorld.h"
#include "support/Headless.h"
#include "support/ScratchDirectory.h"
#include "world/SegmentFile.h"

namespace {
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
        view.origin->copyFrom(at(0, 0));
    }
    Tile& tile(int column, int row) { return map.tiles[column][row]; }
    // Segment file `number`: 100 cells of one code, with exceptions as {cell, code}.
    void writeSegment(int number, const char* code, std::map<int, const char*> exceptions)
    {
        std::filesystem::create_directories(std::filesystem::path(segment::fileName(number)).parent_path());
        std::ofstream file(segment::fileName(number));
        for (int cell = 0; cell < 100; ++cell)
            file << (exceptions.count(cell) ? exceptions[cell] : code) << (cell % 10 == 9 ? "\n" : " ");
    }
    // One editor step aiming at tile (column, row) at origin (0, 0).
    void edit(int column, int row, int buttons, std::initializer_list<int> heldKeys = {})
    {
        mouse_x = column * 64 + 32;  // the aim sits 32 px up and left of the mouse: on the tile's corner
        mouse_y = row * 64 + 32;
        mouse_b = buttons;
        for (int k : heldKeys)
            key[k] = 1;
        world.game->editSegments();
        headless::releaseInput();
    }
};
}

TEST_F(Map, ASegmentFileNowShortOrMissingStampsItsLastCompleteCopySayingSoOnceUntilFixed)
{
    ScratchDirectory scratch;
    Tile* const all = &map.tiles[0][0];
    const auto rocksStamped = [&]() {  // on open floor, which it leaves behind
        map.loadSegment(10, 10, 4);
        const auto rocks = std::count_if(all, all + 100 * 100, [](const Tile& t) { return t.kind == Rock; });
        std::fill(all, all + 100 * 100, Tile{Floor, Unseen, -1});
        return rocks;
    };
    writeSegment(4, "2", {});
    ASSERT_EQ(rocksStamped(), 100);
    testing::internal::CaptureStderr();
    std::ofstream(segment::fileName(4)) << "2 2 two";
    EXPECT_EQ(rocksStamped(), 100) << "short";
    std::filesystem::remove(segment::fileName(4));
    EXPECT_EQ(rocksStamped(), 100) << "missing";
    writeSegment(4, "7", {{99, "2"}});
    EXPECT_EQ(rocksStamped(), 1) << "fixed again";
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "orkcave_world_tests: " + (std::filesystem::current_path() / segment::fileName(4)).lexically_normal().string()
                  + " holds only 2 of 100 tile codes; the level is built from its last complete copy\n");
}

TEST_F(Map, LevelsOpenBothEntranceSquaresAndLitterOnlyFloorWithEveryKind)
{
    std::srand(3);
    ASSERT_TRUE(map.build(20, 20, 15));
    for (int i = 24; i <= 33; ++i)
        EXPECT_EQ(tile(i, i).kind, Floor) << "squares A (24-29) and B (28-33)";
    EXPECT_EQ(tile(34, 34).kind, Rock);
    EXPECT_EQ(tile(31, 31).visibility, Unreachable) << "B beyond the fill's reach";
    world.game->startLevel(2);
    std::set<int> kinds;  // litter on anything but floor counts as 100
    for (const auto& column : map.tiles)
        for (const Tile& t : column)
            kinds.insert(t.kind == Floor || t.debris < 0 ? t.debris : 100);
    EXPECT_EQ(kinds, (std::set<int>{-1, 0, 1, 2, 3, 4, 5}));
}

// Water refused beside rock, off the grid counting as rock; rock dries water
// even when pasted off the grid. A point a hair before a tile's edge still
// has the next tile as its neighbour.
TEST_F(Map, WaterNeedsNoRockAroundItToTheGridsEdgeAndPastesOffTheGridLeaveTheOutsideRock)
{
    tile(2, 1).kind = Rock;
    tile(0, 3).kind = Water;
    for (auto [x, y, code, column, row, kind] :
         {std::tuple{6273.0, 3200.0, Water, 98, 50, Water}, {6337.0, 3200.0, Water, 99, 50, Floor},
          {3200.0, 6273.0, Water, 50, 98, Water}, {3200.0, 6337.0, Water, 50, 99, Floor},
          {3200.0, 1.0, Water, 50, 0, Floor}, {1.0, 3200.0, Water, 0, 50, Floor},
          {127.99999999999999, 100.0, Water, 1, 1, Floor}, {-10.0, 200.0, Rock, 0, 3, Floor},
          {-10.0, 200.0, Floor, 0, 3, Floor}}) {
        map.paste(at(x, y), code);
        EXPECT_EQ(tile(column, row).kind, kind) << x << ", " << y << " code " << code;
        EXPECT_EQ(map.outsideTile->kind, Rock) << x << ", " << y << " code " << code;
    }
}

// The left button paints water, the right rock and Space floor, on the tile
// at the aim, 32 px up and left of the mouse.
TEST_F(Map, TheEditorPaintsWaterRockAndFloorOnTheTileAtTheAim)
{
    for (auto [buttons, held, kind] : {std::tuple{1, 0, Water}, {2, 0, Rock}, {0, KEY_SPACE, Floor}}) {  // 0: no key
        edit(5, 5, buttons, {held});
        EXPECT_EQ(tile(5, 5).kind, kind) << "buttons " << buttons;
    }
}

// Each kind's picture is a mark at its tile's middle, the ground one colour:
// the middle of each tile shows the kind drawn there.
TEST_F(Map, InsideItsFrameTheEditorShowsEveryKindThatOSavesRowAndColumnZeroToo_AndRReadsThemBackExactly)
{
    ScratchDirectory scratch;
    writeSegment(0, "0", {});  // and with it the folder the editor saves in
    world.game->startEditor();
    EXPECT_NE(std::string(world.game->editorNotice).find("R reads it back"), std::string::npos);
    EXPECT_GE(-view.origin->y, Screens::StripHeight) << "the block starts below the HUD strip";
    EXPECT_TRUE(view.origin->x <= 0 && 640 - view.origin->x <= SCREEN_W && 640 - view.origin->y <= SCREEN_H);
    const int pictureOf[] = {0x406080, 0x2080c0, 0xa0a0a0};  // floor, water, rock
    world.paint(map.dirt, 128, 128, pictureOf[Floor]);
    world.paint(map.water, 200, 200, pictureOf[Water], 64, 64, false);  // oversized: drawn one picture at a time
    world.paint(map.rock, 128, 128, pictureOf[Rock], 64, 64, false);
    world.game->bagPosition->x = world.horde->count = 0;
    for (int cell = 0; cell < 100; ++cell)
        tile(cell % 10, cell / 10) = Tile{(cell * 7 + cell / 10) % 3, Unseen, -1};
    edit(0, 0, 0, {KEY_O});
    std::ifstream file(segment::editorFileName());
    const std::vector<int> saved{std::istream_iterator<int>(file), {}};
    ASSERT_EQ(saved.size(), 100u);
    for (auto [x, y] : {std::array{view.origin->x, view.origin->y}, {-64.0, -64.0}, {-30.0, -50.0}}) {
        view.origin->copyFrom(at(x, y));
        world.game->draw();
        for (int cell = 0; cell < 100; ++cell)
            ASSERT_TRUE(world.shows(cell % 10 * 64 + 32 - x, cell / 10 * 64 + 32 - y, pictureOf[saved[cell]]))
                << cell << " under origin " << x << ", " << y;
    }
    EXPECT_TRUE(world.shows(30, 50, 0xffff00) && world.shows(669, 689, 0xffff00)) << "the frame's corners";
    for (int cell = 0; cell < 100; ++cell)
        tile(cell % 10, cell / 10).kind = (saved[cell] + 1) % 3;
    edit(0, 0, 0, {KEY_R});
    for (int cell = 0; cell < 100; ++cell)
        ASSERT_EQ(tile(cell % 10, cell / 10).kind, saved[cell]) << cell << " read back";
    std::ofstream(segment::editorFileName()) << "2 2 2";
    edit(0, 0, 0, {KEY_R});
    EXPECT_NE(std::string(world.game->editorNotice).find(": holds only 3 of 100 tile codes"), std::string::npos);
}

// 36 px a step, up to a screen beyond the grid on every side.
TEST_F(Map, TheEditorScrollsThirtySixPixelsAStepAndStopsAScreenBeyondTheGrid)
{
    for (auto [x, y, held, endX, endY] :
         {std::tuple{0.0, 0.0, KEY_A, -36.0, 0.0}, {0.0, 0.0, KEY_D, 36.0, 0.0}, {0.0, 0.0, KEY_W, 0.0, -36.0},
          {0.0, 0.0, KEY_S, 0.0, 36.0}, {-790.0, 9.0, KEY_A, -800.0, 9.0}, {6390.0, 9.0, KEY_D, 6400.0, 9.0},
          {9.0, -690.0, KEY_W, 9.0, -700.0}, {9.0, 6390.0, KEY_S, 9.0, 6400.0}}) {
        view.origin->copyFrom(at(x, y));
        edit(1, 1, 0, {held});
        EXPECT_EQ(view.origin->distance(at(endX, endY)), 0) << x << ", " << y;
    }
}

// Rows from the top, each from the left; the eleventh row and column are not part of it.
TEST_F(Map, OWritesTheTopLeftTenByTenKindsARowALine)
{
    ScratchDirectory scratch;
    std::filesystem::create_directories("maps");
    std::string expected;
    for (int row = 0; row <= 10; ++row)
        for (int column = 0; column <= 10; ++column) {
            tile(column, row).kind = (2 * column + row) % 3;
            if (row < 10 && column < 10)
                expected += std::to_string((2 * column + row) % 3) + (column < 9 ? " " : "\n");
        }
    edit(1, 1, 0, {KEY_O});
    std::ifstream saved("maps/seg.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), expected);
    EXPECT_EQ(std::string(world.game->editorNotice).find("Saved "), 0u);
}

// Segment 0 holds rock on and above its diagonal and an unknown code, which
// stamps nothing, below it.
TEST_F(Map, LStampsSegmentZeroRowByRowWithItsCornerOnTileFiveFive)
{
    ScratchDirectory scratch;
    std::filesystem::create_directories("maps");
    std::ofstream segment("maps/seg0.txt");
    for (int cell = 0; cell < 100; ++cell)
        segment << (cell % 10 >= cell / 10 ? "2" : "7") << (cell % 10 == 9 ? "\n" : " ");
    segment.close();
    edit(1, 1, 0, {KEY_L});
    for (int column = 4; column <= 15; ++column)
        for (int row = 4; row <= 15; ++row)
            EXPECT_EQ(tile(column, row).kind, column > 4 && row > 4 && column < 15 && column >= row ? Rock : Floor)
                << column << "," << row;
}
