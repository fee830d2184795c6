#include <gtest/gtest.h>

#include <allegro.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/Game.h"
#include "support/Headless.h"
#include "support/ScratchDirectory.h"

namespace {

// A Game for editing, in a scratch working directory for the saved file.
class SegmentEditor : public testing::Test {
protected:
    void SetUp() override
    {
        headless::releaseInput();
        game->editorMode = true;
        game->view->origin->x = 0;
        game->view->origin->y = 0;
    }
    void TearDown() override { headless::releaseInput(); }
    void clickTile(int x, int y, int buttons)
    {
        mouse_x = x * 64 + 32 + 32;  // the aim sits 32 px up and left of the mouse
        mouse_y = y * 64 + 32 + 32;
        mouse_b = buttons;
        game->editSegments();
        mouse_b = 0;
    }
    Tile& tile(int x, int y) { return game->tileMap->tiles[x][y]; }
    void stepHolding(int heldKey, int steps = 1)
    {
        key[heldKey] = 1;
        for (int step = 0; step < steps; ++step)
            game->editSegments();
        key[heldKey] = 0;
    }

    std::unique_ptr<Game> game{new Game()};
    ScratchDirectory scratch;
};

}

TEST_F(SegmentEditor, NothingHeldChangesOnlyTheAimPointAndButtonsPaintUnderIt)
{
    tile(4, 2).kind = Rock;
    mouse_x = 300;
    mouse_y = 200;
    game->editSegments();
    EXPECT_EQ(game->aimPoint->x, 268);
    EXPECT_EQ(game->aimPoint->y, 168);
    EXPECT_EQ(tile(4, 2).kind, Rock) << "the tile under the aim";
    EXPECT_EQ(game->view->origin->x, 0);
    EXPECT_EQ(game->editorNoticeTicks, 0);

    for (int x = 2; x <= 8; ++x)
        for (int y = 2; y <= 8; ++y)
            tile(x, y).kind = Floor;
    clickTile(5, 5, 1);
    EXPECT_EQ(tile(5, 5).kind, Water);
    clickTile(6, 6, 2);
    EXPECT_EQ(tile(6, 6).kind, Rock);
    EXPECT_EQ(tile(5, 5).kind, Floor) << "new rock dries the water beside it";
    clickTile(5, 5, 1);
    EXPECT_EQ(tile(5, 5).kind, Floor) << "water next to rock is refused";
    clickTile(6, 6, 0);
    stepHolding(KEY_SPACE);
    EXPECT_EQ(tile(6, 6).kind, Floor);
}

TEST_F(SegmentEditor, WasdScrollsByThirtySixAndStopsAScreenBeyondTheGrid)
{
    stepHolding(KEY_D);
    stepHolding(KEY_S, 2);
    EXPECT_EQ(game->view->origin->x, 36);
    EXPECT_EQ(game->view->origin->y, 72);
    stepHolding(KEY_A, 1000);
    stepHolding(KEY_W, 1000);
    EXPECT_EQ(game->view->origin->x, -800);
    EXPECT_EQ(game->view->origin->y, -700);
    stepHolding(KEY_D, 1000);
    stepHolding(KEY_S, 1000);
    EXPECT_EQ(game->view->origin->x, 6400);
    EXPECT_EQ(game->view->origin->y, 6400);
    game->draw();  // everything drawn stays within Allegro's coordinate range
}

TEST_F(SegmentEditor, SavedSegmentReadsBackIntoTheSameKinds)
{
    ASSERT_EQ(mkdir("maps", 0755), 0);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            tile(x, y).kind = (x == 0 || y == 0 || x == 9 || y == 9 || x == 7) ? Rock : Floor;
    tile(4, 6).kind = Water;
    stepHolding(KEY_O);
    ASSERT_STREQ(game->editorNotice, "Saved maps/seg.txt");
    std::ifstream in("maps/seg.txt");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.substr(0, 40), "2 2 2 2 2 2 2 2 2 2\n2 0 0 0 0 0 0 2 0 2\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);

    // Stamped onto open floor, where skipped zero cells stay floor too.
    ASSERT_EQ(std::rename("maps/seg.txt", "maps/seg4.txt"), 0);
    for (int x = 20; x < 30; ++x)
        for (int y = 20; y < 30; ++y)
            tile(x, y).kind = Floor;
    game->tileMap->loadSegment(20, 20, 4);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            EXPECT_EQ(tile(20 + x, 20 + y).kind, tile(x, y).kind) << x << "," << y;
}

TEST_F(SegmentEditor, UnwritableFileIsSkippedWithANotice)
{
    stepHolding(KEY_O);  // no maps directory at all
    EXPECT_STREQ(game->editorNotice, "Could not write maps/seg.txt");
    EXPECT_GT(game->editorNoticeTicks, 0);
}
