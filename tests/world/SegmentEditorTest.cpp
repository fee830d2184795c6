#include <gtest/gtest.h>

#include <allegro.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/Game.h"
#include "support/Headless.h"
#include "support/ScratchDirectory.h"

namespace {

// A Game for editing, and a scratch working directory for the saved file.
class SegmentEditor : public testing::Test {
protected:
    void SetUp() override
    {
        headless::releaseInput();
        game.reset(new Game());
        game->editorMode = true;
        game->view->origin->x = 0;
        game->view->origin->y = 0;
        scratch.reset(new ScratchDirectory());
    }
    void TearDown() override
    {
        headless::releaseInput();
        scratch.reset();
    }
    // Aims the editor at the centre of tile (x, y).
    void aimAtTile(int x, int y)
    {
        mouse_x = x * 64 + 32 + 32;
        mouse_y = y * 64 + 32 + 32;
    }
    Tile& tile(int x, int y) { return game->tileMap->tiles[x][y]; }
    void stepHolding(int heldKey)
    {
        key[heldKey] = 1;
        game->editSegments();
        key[heldKey] = 0;
    }

    std::unique_ptr<Game> game;
    std::unique_ptr<ScratchDirectory> scratch;  // the editor saves into maps/ here
};

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}

TEST_F(SegmentEditor, NothingHeldChangesOnlyTheAimPoint)
{
    Tile before[100][100];
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            before[x][y] = tile(x, y);
    mouse_x = 300;
    mouse_y = 200;
    game->editSegments();
    EXPECT_EQ(game->aimPoint->x, 268);
    EXPECT_EQ(game->aimPoint->y, 168);
    EXPECT_EQ(game->view->origin->x, 0);
    EXPECT_EQ(game->view->origin->y, 0);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y)
            ASSERT_EQ(tile(x, y).kind, before[x][y].kind);
    EXPECT_EQ(game->editorNoticeTicks, 0);
}

TEST_F(SegmentEditor, ButtonsPaintWaterRockAndFloorUnderTheAim)
{
    for (int x = 2; x <= 8; ++x)
        for (int y = 2; y <= 8; ++y)
            tile(x, y).kind = Floor;
    aimAtTile(5, 5);
    mouse_b = 1;
    game->editSegments();
    EXPECT_EQ(tile(5, 5).kind, Water);

    aimAtTile(6, 6);
    mouse_b = 2;
    game->editSegments();
    EXPECT_EQ(tile(6, 6).kind, Rock);
    EXPECT_EQ(tile(5, 5).kind, Floor) << "new rock dries the water beside it";

    aimAtTile(5, 5);
    mouse_b = 1;
    game->editSegments();
    EXPECT_EQ(tile(5, 5).kind, Floor) << "water next to rock is refused";

    aimAtTile(6, 6);
    mouse_b = 0;
    stepHolding(KEY_SPACE);
    EXPECT_EQ(tile(6, 6).kind, Floor);
}

TEST_F(SegmentEditor, WasdScrollsByThirtySix)
{
    stepHolding(KEY_D);
    stepHolding(KEY_S);
    stepHolding(KEY_S);
    stepHolding(KEY_A);
    stepHolding(KEY_W);
    EXPECT_EQ(game->view->origin->x, 0);
    EXPECT_EQ(game->view->origin->y, 36);
}

TEST_F(SegmentEditor, ScrollingStopsAScreenBeyondTheGrid)
{
    key[KEY_A] = key[KEY_W] = 1;
    for (int step = 0; step < 1000; ++step)
        game->editSegments();
    EXPECT_EQ(game->view->origin->x, -800);
    EXPECT_EQ(game->view->origin->y, -700);
    key[KEY_A] = key[KEY_W] = 0;
    key[KEY_D] = key[KEY_S] = 1;
    for (int step = 0; step < 1000; ++step)
        game->editSegments();
    EXPECT_EQ(game->view->origin->x, 6400);
    EXPECT_EQ(game->view->origin->y, 6400);
    key[KEY_D] = key[KEY_S] = 0;
    game->draw();  // everything drawn stays within Allegro's coordinate range
}

TEST_F(SegmentEditor, SavedSegmentReadsBackIntoTheSameKinds)
{
    ASSERT_EQ(mkdir("maps", 0755), 0);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            tile(x, y).kind = (x == 0 || y == 0 || x == 9 || y == 9) ? Rock : ((x + y) % 3 == 0 ? Rock : Floor);
    tile(4, 6).kind = Water;  // the only water cell away from rock after the pattern below
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                tile(4 + dx, 6 + dy).kind = Floor;
    stepHolding(KEY_O);
    std::string text = readFile("maps/seg.txt");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.substr(0, 20), "2 2 2 2 2 2 2 2 2 2\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
    ASSERT_STREQ(game->editorNotice, "Saved maps/seg.txt");

    // Put it into play under a number and stamp it onto open floor, where
    // skipped zero cells stay floor and the water has no rock beside it.
    ASSERT_EQ(std::rename("maps/seg.txt", "maps/seg4.txt"), 0);
    Tile saved[10][10];
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            saved[x][y] = tile(x, y);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 40; ++y)
            tile(x, y).kind = Floor;
    game->tileMap->loadSegment(20, 20, 4);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            EXPECT_EQ(tile(20 + x, 20 + y).kind, saved[x][y].kind) << x << "," << y;
}

TEST_F(SegmentEditor, UnwritableFileIsSkippedWithANotice)
{
    // No maps directory at all.
    stepHolding(KEY_O);
    ASSERT_STREQ(game->editorNotice, "Could not write maps/seg.txt");
    EXPECT_GT(game->editorNoticeTicks, 0);

    // A read-only maps directory (root ignores permissions, so only check no crash there).
    ASSERT_EQ(mkdir("maps", 0555), 0);
    stepHolding(KEY_O);
    if (geteuid() != 0) {
        EXPECT_STREQ(game->editorNotice, "Could not write maps/seg.txt");
    }
}
