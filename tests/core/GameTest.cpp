#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdlib>
#include <memory>

#include "core/Game.h"
#include "support/Headless.h"
#include "world/Entrance.h"

namespace {
const int Red = 0xff0000;  // the HUD strip and the banner
const int Green = 0x00ff00;
const int Blue = 0x0000ff;

class GameTest : public testing::Test {
protected:
    void SetUp() override
    {
        headless::releaseInput();
        game.reset(new Game());
    }

    void tickWith(int heldKey)
    {
        key[heldKey] = 1;
        game->update();
        key[heldKey] = 0;
    }
    // A small level whose orks are dead and far away, so a scenario is about the elf alone.
    void startQuietSmallLevel()
    {
        tickWith(KEY_F1);
        for (int i = 0; i < game->orks->count; ++i) {
            game->orks->health[i] = 0;
            game->orks->pos[i]->x = game->orks->pos[i]->y = 10;
        }
    }
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

    std::unique_ptr<Game> game;
};
}

TEST_F(GameTest, OpensOnAFrozenIntroThatTakesOneRandomNumberPerTick)
{
    EXPECT_EQ(game->screens->state, Intro);
    EXPECT_TRUE(game->elf->dead);
    EXPECT_EQ(game->view->origin->x, 1920);
    EXPECT_EQ(game->view->origin->y, 1920);

    std::srand(77);
    std::rand();
    const int second = std::rand();
    std::srand(77);
    key[KEY_W] = key[KEY_SPACE] = 1;
    mouse_x = 500;
    mouse_b = 3;
    game->update();
    EXPECT_EQ(std::rand(), second) << "a frozen panel tick draws exactly one";
    EXPECT_EQ(game->screens->state, Intro);
    EXPECT_TRUE(game->elf->dead) << "Space does not start play";
    EXPECT_EQ(game->aimPoint->x, 0) << "the aim is frozen";
}

TEST_F(GameTest, StealthSpriteIsElfTwoWithEvenRowsAndColumnsMasked)
{
    BITMAP* grid = game->elf->stealthSprite;
    BITMAP* plain = game->elf->frames[2];
    ASSERT_TRUE(grid && plain);
    for (int y = 0; y < plain->h; ++y)
        for (int x = 0; x < plain->w; ++x) {
            const bool masked = y % 2 == 0 || (x % 2 == 0 && x < 2 * plain->h);
            ASSERT_EQ(getpixel(grid, x, y), masked ? makecol(255, 0, 255) : getpixel(plain, x, y)) << x << "," << y;
        }
}

TEST_F(GameTest, LevelKeysBuildTheirSizeInAnyStateAndAHeldKeyRebuildsEveryTick)
{
    tickWith(KEY_F1);
    EXPECT_EQ(game->screens->state, Playing);
    EXPECT_EQ(game->tileMap->width, 20);
    EXPECT_FALSE(game->elf->dead);

    key[KEY_F1] = key[KEY_F4] = 1;
    game->update();
    key[KEY_F1] = key[KEY_F4] = 0;
    EXPECT_EQ(game->tileMap->width, 75) << "the last key of a tick wins";

    game->screens->state = Victory;
    game->deaths = 4;
    key[KEY_F2] = 1;
    game->update();
    EXPECT_EQ(game->screens->state, Playing);
    EXPECT_EQ(game->deaths, 0);
    const double bagX = game->bagPosition->x;
    const double bagY = game->bagPosition->y;
    game->update();
    EXPECT_EQ(game->tileMap->width, 40);
    EXPECT_TRUE(game->bagPosition->x != bagX || game->bagPosition->y != bagY) << "rebuilt on the next tick too";
}

// Several levels of each size, so a placement rule that only sometimes breaks shows.
TEST_F(GameTest, FurnishedLevelsPutOrksOnGroundAndTheBagOnReachableFloorAwayFromTheEntrance)
{
    for (int level = 0; level < 40; ++level) {
        game->startLevel(level % 4);
        const int w = game->tileMap->width;
        const int h = game->tileMap->height;
        const int bagX = static_cast<int>(game->bagPosition->x / 64);
        const int bagY = static_cast<int>(game->bagPosition->y / 64);
        ASSERT_TRUE(bagX < w / 2 || bagY < h / 2) << "level " << level;
        ASSERT_EQ(game->tileMap->tiles[bagX][bagY].kind, Floor);
        ASSERT_NE(game->tileMap->tiles[bagX][bagY].visibility, Unreachable);
        for (int i = 0; i < game->orks->count; ++i) {
            const Tile& tile = game->tileMap->tileAt(*game->orks->pos[i]);
            ASSERT_TRUE(tile.kind != Rock && tile.visibility != Unreachable) << "ork " << i;
        }
    }
}

TEST_F(GameTest, BagIsTakenCloserThanFortyNotWhileSneakingAndWinsOnlyStrictlyBeyondTheEntrance)
{
    startQuietSmallLevel();
    const double entranceX = (20 + entrance::PointOffset) * TileMap::TileSize;  // the 20-tile level
    const double entranceY = entranceX;
    Vector& elfAt = *game->elf->position;
    elfAt.x = entranceX + 30;
    elfAt.y = entranceY + 30;
    game->bagPosition->x = elfAt.x + 40.0;
    game->bagPosition->y = elfAt.y;
    game->update();
    EXPECT_FALSE(game->elf->carryingBag) << "exactly 40.0 is out of reach";
    EXPECT_EQ(game->screens->state, Playing) << "no victory without the bag";

    elfAt.x = entranceX;
    elfAt.y = entranceY;
    game->bagPosition->x = elfAt.x + 39.9;
    game->bagPosition->y = elfAt.y;
    mouse_b = 2;
    game->update();
    EXPECT_FALSE(game->elf->carryingBag) << "no pickup while sneaking";
    mouse_b = 0;
    game->update();
    EXPECT_TRUE(game->elf->carryingBag);
    EXPECT_EQ(game->screens->state, Playing) << "at the entrance point itself";

    tickWith(KEY_W);
    EXPECT_EQ(game->bagPosition->y, elfAt.y) << "the bag travels with the elf";

    elfAt.x = entranceX + 1;
    elfAt.y = entranceY;
    game->bagPosition->copyFrom(elfAt);
    game->update();
    EXPECT_EQ(game->screens->state, Playing) << "strictly below, too";
    elfAt.y = entranceY + 1;
    game->update();
    EXPECT_EQ(game->screens->state, Victory);
    tickWith(KEY_D);
    EXPECT_EQ(elfAt.x, entranceX + 1) << "nothing moves on the victory panel";
}

TEST_F(GameTest, TheDeadKeepTheirFacingAndOnlySpaceRespawnsThemAtTheEntrance)
{
    startQuietSmallLevel();
    game->orks->health[0] = 2;
    game->elf->position->x -= 100;
    game->elf->dead = true;
    game->elf->facing = 12.5;
    game->elf->daggers->state[3] = Lying;
    const double bagX = game->bagPosition->x;
    mouse_x = 700;
    game->update();
    EXPECT_TRUE(game->elf->dead) << "nothing but Space respawns";
    EXPECT_EQ(game->elf->facing, 12.5);
    tickWith(KEY_SPACE);
    EXPECT_FALSE(game->elf->dead);
    EXPECT_EQ(game->deaths, 1);
    EXPECT_EQ(game->elf->position->x, (20 + entrance::PointOffset) * TileMap::TileSize) << "back at the entrance";
    EXPECT_EQ(game->elf->daggers->state[3], InHand) << "with every dagger";
    EXPECT_EQ(game->bagPosition->x, bagX) << "the bag stays where it lay";
    EXPECT_EQ(game->orks->health[0], 2) << "a respawn is no level start";
    tickWith(KEY_SPACE);
    EXPECT_EQ(game->deaths, 1) << "Space does nothing while alive";
}

TEST_F(GameTest, HudBannerCrosshairAndPanelSitWhereTheRulesPutThem)
{
    startQuietSmallLevel();
    for (int i = 0; i < 3; ++i)
        game->orks->health[i] = 2;
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
    // The crosshair is centred 32 pixels up and left of the mouse.
    const int half = game->crosshairSprite->w / 2;
    EXPECT_EQ(count(0x00ffff, 268 - half - 1, 168, 2 * half + 3, 1), game->crosshairSprite->w);
    EXPECT_EQ(count(0, 0, 11, 800, 1), 0) << "no banner text while the elf lives";

    game->elf->dead = true;
    game->draw();
    EXPECT_GT(count(0, 0, 11, 800, 1), 50) << "the banner's text";
    EXPECT_EQ(at(1, 1), Red) << "the banner covers the heads";
    // The victory panel covers (90, 90) to (710, 610), its border black, and nothing beyond.
    game->screens->state = Victory;
    game->draw();
    EXPECT_EQ(at(90, 90), 0);
    EXPECT_EQ(at(710, 610), 0);
    EXPECT_NE(at(89, 300), 0);
    EXPECT_NE(at(711, 300), 0);
    EXPECT_NE(at(300, 611), 0);
    EXPECT_GT(count(headless::rgb16(200, 200, 200), 360, 557, 80, 8), 0) << "Game over";
}

// The elf lights a cone toward the aim as far as its view range; beside and
// behind it the tiles stay dark.
TEST_F(GameTest, TheElfLightsTheConeTowardTheAimOnly)
{
    startQuietSmallLevel();
    for (auto& column : game->tileMap->tiles)
        for (Tile& tile : column) {
            tile.kind = Floor;
            tile.visibility = Unseen;
        }
    game->elf->position->x = game->elf->position->y = 18 * 64 + 32;
    mouse_x = 400 - 200 + 32;  // the aim, 32 px up and left of the mouse, lies 283 px up-left of the elf
    mouse_y = 350 - 200 + 32;
    game->update();
    game->draw();
    const auto lit = [&](int x, int y) { return game->tileMap->tiles[18 + x][18 + y].visibility == InSight; };
    EXPECT_TRUE(lit(-3, -3));
    EXPECT_TRUE(lit(-4, -4)) << "362 px: in range";
    EXPECT_FALSE(lit(-6, -6)) << "543 px: out of range";
    EXPECT_FALSE(lit(-4, 0)) << "45 degrees off the aim";
    EXPECT_FALSE(lit(3, 3)) << "behind";
}
