// Facts of whole frames that follow from the rules alone, whatever the
// pictures look like: where the HUD, banner, panel and crosshair go, what
// the fog covers, and what lies on top of what.
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

// Full fog over tiles never seen; over tiles seen before, half fog: every
// other pixel, as a checkerboard, shows the ground beneath. No fog at all
// on the intro.
TEST_F(Frame, FogIsFullOverUnseenAHalfCheckerboardOverSeenAndAbsentOnTheIntro)
{
    game->elf->viewRange = 1;  // only the elf's own surroundings come in sight
    game->update();
    const int x0 = 0, y0 = 620, w = 80, h = 70;  // a corner no panel covers
    setEveryTile(Unseen);
    const std::vector<int> unseen = drawn(x0, y0, w, h);
    setEveryTile(Seen);
    const std::vector<int> seen = drawn(x0, y0, w, h);
    setEveryTile(Unseen);
    game->screens->state = Intro;
    const std::vector<int> intro = drawn(x0, y0, w, h);
    int sameAsFog[2] = {0, 0};
    int sameAsBare[2] = {0, 0};
    int bareLikeFog = 0;
    for (int i = 0; i < w * h; ++i) {
        sameAsFog[(i % w + i / w) % 2] += seen[i] == unseen[i];
        sameAsBare[(i % w + i / w) % 2] += seen[i] == intro[i];
        bareLikeFog += intro[i] == unseen[i];
    }
    const int fogged = sameAsFog[0] > sameAsFog[1] ? 0 : 1;
    EXPECT_EQ(sameAsFog[fogged], w * h / 2) << "the fogged half of a seen tile is the full fog";
    EXPECT_EQ(sameAsBare[1 - fogged], w * h / 2) << "the other half shows what lies beneath";
    EXPECT_LT(sameAsFog[1 - fogged], w * h / 20);
    EXPECT_LT(bareLikeFog, w * h / 10) << "the intro draws no fog";
}

TEST_F(Frame, TheLivingElfLiesOverOrksTheDeadElfUnderThemAndACarriedBagIsNotDrawn)
{
    for (BITMAP*& frame : game->elf->frames)
        paintSolid(frame, 0, 255, 0);
    paintSolid(game->elf->deadSprite, 0, 255, 0);
    for (BITMAP*& ork : game->orks->orkSprites)
        paintSolid(ork, 0, 0, 255);
    paintSolid(game->bagSprite, 255, 255, 0);
    game->orks->pos[0]->copyFrom(*game->elf->position);
    game->bagPosition->x = game->elf->position->x + 150;
    game->bagPosition->y = game->elf->position->y;
    setEveryTile(Seen);
    game->draw();
    EXPECT_EQ(at(400, 350), Green);
    EXPECT_GT(count(0xffff00, 520, 320, 60, 60), 0) << "the bag, under half fog";
    game->elf->carryingBag = true;
    game->draw();
    EXPECT_EQ(count(0xffff00, 520, 320, 60, 60), 0) << "a carried bag shows only in the elf's own picture";

    // Dead, under half fog: the pixels between the fog's show the ork, and
    // the dead elf reveals nothing.
    game->elf->dead = true;
    setEveryTile(Seen);
    game->draw();
    EXPECT_TRUE(at(400, 350) == Blue || at(401, 350) == Blue);
    EXPECT_NE(at(400, 350), Green);
    EXPECT_NE(at(401, 350), Green);
    EXPECT_EQ(game->tileMap->tileAt(*game->elf->position).visibility, Seen);
}
