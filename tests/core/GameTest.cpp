#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdlib>
#include <memory>

#include "core/Game.h"
#include "support/Headless.h"

namespace {

class GameTest : public testing::Test {
protected:
    void SetUp() override
    {
        headless::releaseInput();
        game.reset(new Game());
    }
    void TearDown() override { headless::releaseInput(); }

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

    std::unique_ptr<Game> game;
};

}

TEST_F(GameTest, OpensOnAFrozenIntroOverALargeLevelThatTakesOneRandomNumberPerTick)
{
    EXPECT_EQ(game->screens->state, Intro);
    EXPECT_TRUE(game->elf->dead);
    EXPECT_EQ(game->tileMap->width, 60);
    EXPECT_EQ(game->orks->count, 35);
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
    EXPECT_EQ(game->orks->count, 7);
    EXPECT_FALSE(game->elf->dead);
    EXPECT_EQ(game->elf->position->x, 28 * 64) << "at the entrance";
    EXPECT_EQ(game->elf->position->y, 28 * 64);

    key[KEY_F1] = key[KEY_F4] = 1;
    game->update();
    key[KEY_F1] = key[KEY_F4] = 0;
    EXPECT_EQ(game->tileMap->width, 75) << "the last key of a tick wins";
    EXPECT_EQ(game->orks->count, 49);

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

TEST_F(GameTest, BagIsTakenCloserThanFortyNotWhileSneakingAndWinsOnlyStrictlyBeyondTheEntrance)
{
    startQuietSmallLevel();
    const double entranceX = 28 * 64.0;  // eight tiles beyond the 20-tile level, both ways
    const double entranceY = 28 * 64.0;
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

    key[KEY_W] = 1;
    game->update();
    EXPECT_EQ(game->bagPosition->y, elfAt.y) << "the bag travels with the elf";
    const double heldAtY = elfAt.y;
    mouse_b = 2;
    game->update();
    key[KEY_W] = 0;
    mouse_b = 0;
    EXPECT_FALSE(game->elf->carryingBag);
    EXPECT_EQ(game->bagPosition->y, heldAtY) << "stealth drops the bag where it was";

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

TEST_F(GameTest, TheCameraCentresTheElfTheDeadKeepTheirFacingAndOnlySpaceRespawnsThemAtTheEntrance)
{
    startQuietSmallLevel();
    game->orks->health[0] = 2;
    game->elf->position->x -= 100;
    game->update();
    EXPECT_EQ(game->view->origin->x, game->elf->position->x - 400);
    EXPECT_EQ(game->view->origin->y, game->elf->position->y - 350);
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
    EXPECT_EQ(game->elf->position->x, 28 * 64) << "back at the entrance";
    EXPECT_EQ(game->elf->daggers->state[3], InHand) << "with every dagger";
    EXPECT_EQ(game->bagPosition->x, bagX) << "the bag stays where it lay";
    EXPECT_EQ(game->orks->health[0], 2) << "a respawn is no level start";
    tickWith(KEY_SPACE);
    EXPECT_EQ(game->deaths, 1) << "Space does nothing while alive";
    tickWith(KEY_F1);
    EXPECT_EQ(game->deaths, 0);
}
