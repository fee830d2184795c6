// Facts of whole frames that follow from the rules alone, whatever the
// pictures look like: where the HUD, banner, panel and crosshair go, and
// what the elf lights. The order of the layers and the fog are the plain
// drawing's business (ReferenceFrame, compared in the soak).
#include <gtest/gtest.h>

#include <allegro.h>

#include <memory>
#include <vector>

#include "core/Game.h"
#include "support/Headless.h"

namespace {
const int Red = 0xff0000;
const int Green = 0x00ff00;
const int Blue = 0x0000ff;

class Frame : public testing::Test {
protected:
    void SetUp() override
    {
        headless::releaseInput();
        game.reset(new Game());
        key[KEY_F1] = 1;
        game->update();
        key[KEY_F1] = 0;
        for (int i = 0; i < game->orks->count; ++i) {
            game->orks->health[i] = i < 3 ? 2 : 0;
            game->orks->pos[i]->x = game->orks->pos[i]->y = 10;  // far off the screen
        }
    }
    void TearDown() override { headless::releaseInput(); }

    // Swaps a picture for a solid one of the same size; the game frees it.
    static void paintSolid(BITMAP*& picture, int r, int g, int b)
    {
        BITMAP* solid = create_bitmap(picture->w, picture->h);
        clear_to_color(solid, makecol(r, g, b));
        destroy_bitmap(picture);
        picture = solid;
    }
    int at(int x, int y) const { return headless::rgbAt(game->backBuffer, x, y); }
    int count(int colour, int x0, int y0, int w, int h) const
    {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                n += at(x, y) == colour;
        return n;
    }
    std::vector<int> drawn(int x0, int y0, int w, int h)
    {
        game->draw();
        std::vector<int> pixels;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                pixels.push_back(at(x, y));
        return pixels;
    }
    void setEveryTile(int visibility)
    {
        for (auto& column : game->tileMap->tiles)
            for (Tile& tile : column)
                tile.visibility = visibility;
    }

    std::unique_ptr<Game> game;
};
}

TEST_F(Frame, HudBannerCrosshairAndPanelSitWhereTheRulesPutThem)
{
    paintSolid(game->screens->headIcon, 0, 255, 0);
    paintSolid(game->screens->daggerIcon, 0, 0, 255);
    paintSolid(game->screens->graveIcon, 255, 255, 0);
    paintSolid(game->crosshairSprite, 0, 255, 255);
    game->deaths = 3;
    mouse_x = 300;
    mouse_y = 200;
    game->update();
    game->draw();
    // Three living orks of seven: heads 800 / 16 = 50 apart from the left;
    // ten daggers 19 apart from the right edge; three graves 57 apart.
    EXPECT_EQ(count(Green, 0, 1, 200, 1), 3 * game->screens->headIcon->w);
    EXPECT_EQ(at(100, 1), Green);
    EXPECT_EQ(at(800 - 190, 1), Blue);
    EXPECT_EQ(at(800 - 209, 1), Red);
    for (int x : {528, 471, 414})
        EXPECT_EQ(at(x, 1), 0xffff00) << x;
    EXPECT_EQ(at(527, 1), Red);
    EXPECT_EQ(at(400, 31), Red) << "the strip is 32 pixels high";
    EXPECT_NE(at(400, 32), Red);
    // The crosshair is centred 32 pixels up and left of the mouse.
    const int half = game->crosshairSprite->w / 2;
    EXPECT_EQ(count(0x00ffff, 268 - half - 1, 168, 2 * half + 3, 1), game->crosshairSprite->w);
    EXPECT_EQ(at(268 - half, 168), 0x00ffff);
    EXPECT_EQ(count(0, 0, 11, 800, 1), 0) << "no banner text while the elf lives";

    game->elf->dead = true;
    const std::vector<int> play = drawn(0, 0, 800, 700);
    EXPECT_GT(count(0, 0, 11, 800, 1), 50) << "the banner's text";
    EXPECT_EQ(at(1, 1), Red) << "the banner covers the heads";
    // The victory panel covers (90, 90) to (710, 610) and nothing beyond.
    game->screens->state = Victory;
    const std::vector<int> victory = drawn(0, 0, 800, 700);
    EXPECT_EQ(victory[90 * 800 + 90], 0);
    EXPECT_EQ(victory[610 * 800 + 710], 0);
    for (int edge : {300 * 800 + 89, 300 * 800 + 711, 611 * 800 + 300, 89 * 800 + 300})
        EXPECT_EQ(victory[edge], play[edge]) << edge % 800 << "," << edge / 800;
    EXPECT_GT(count(headless::rgb16(200, 200, 200), 360, 557, 80, 8), 0) << "Game over";
}

// The elf lights a cone toward the aim as far as its view range; beside and
// behind it the tiles stay dark.
TEST_F(Frame, TheElfLightsTheConeTowardTheAimOnly)
{
    for (auto& column : game->tileMap->tiles)
        for (Tile& tile : column)
            tile.kind = Floor;
    setEveryTile(Unseen);
    game->elf->position->x = game->elf->position->y = 18 * 64 + 32;
    mouse_x = 400 - 200 + 32;  // the aim, 32 px up and left of the mouse, lies 283 px up-left of the elf
    mouse_y = 350 - 200 + 32;
    game->update();
    game->draw();
    const auto lit = [&](int x, int y) { return game->tileMap->tiles[18 + x][18 + y].visibility == InSight; };
    EXPECT_TRUE(lit(-3, -3));
    EXPECT_TRUE(lit(-4, -2));
    EXPECT_TRUE(lit(-4, -4)) << "362 px: in range";
    EXPECT_FALSE(lit(-6, -6)) << "543 px: out of range";
    EXPECT_FALSE(lit(-4, 0)) << "45 degrees off the aim";
    EXPECT_FALSE(lit(3, 3)) << "behind";
}
