#include <gtest/gtest.h>

#include <allegro.h>

#include <algorithm>
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
    void startSmallLevel() { tickWith(KEY_F1); }
    // Keeps the orks far away and harmless so a scenario is about the elf alone.
    void clearOrks()
    {
        for (int i = 0; i < game->orks->count; ++i) {
            game->orks->health[i] = 0;
            game->orks->pos[i]->x = 10;
            game->orks->pos[i]->y = 10;
        }
    }
    double entranceX() const { return (game->tileMap->width + 8) * 64.0; }
    double entranceY() const { return (game->tileMap->height + 8) * 64.0; }

    std::unique_ptr<Game> game;
};

}

TEST_F(GameTest, OpensOnTheIntroOverALargeLevelThatTakesOneRandomNumberPerTick)
{
    EXPECT_EQ(game->screens->state, Intro);
    EXPECT_TRUE(game->elf->dead);
    EXPECT_EQ(game->tileMap->width, 60);
    EXPECT_EQ(game->tileMap->height, 60);
    EXPECT_EQ(game->orks->count, 35);
    EXPECT_EQ(game->view->origin->x, 1920);
    EXPECT_EQ(game->view->origin->y, 1920);

    std::srand(77);
    std::rand();
    const int second = std::rand();
    std::srand(77);
    game->update();
    const int next = std::rand();
    EXPECT_EQ(next, second) << "a frozen panel tick draws exactly one";
    EXPECT_EQ(game->screens->state, Intro);
}

TEST_F(GameTest, StealthSpriteIsElfTwoWithEvenRowsAndColumnsMasked)
{
    BITMAP* grid = game->elf->stealthSprite;
    BITMAP* plain = game->elf->frames[2];
    ASSERT_TRUE(grid && plain);
    for (int y = 0; y < plain->h; ++y)
        for (int x = 0; x < plain->w; ++x) {
            bool masked = (y % 2 == 0) || (x % 2 == 0 && x < 2 * plain->h);
            ASSERT_EQ(getpixel(grid, x, y), masked ? makecol(255, 0, 255) : getpixel(plain, x, y)) << x << "," << y;
        }
}

TEST_F(GameTest, LevelKeysBuildTheirSizeInAnyStateAndUnknownSizesKeepTheMap)
{
    startSmallLevel();
    EXPECT_EQ(game->screens->state, Playing);
    EXPECT_EQ(game->tileMap->width, 20);
    EXPECT_EQ(game->orks->count, 7);
    EXPECT_FALSE(game->elf->dead);
    EXPECT_EQ(game->elf->position->x, 1792);
    EXPECT_EQ(game->elf->position->y, 1792);

    key[KEY_F1] = key[KEY_F4] = 1;
    game->update();
    key[KEY_F1] = key[KEY_F4] = 0;
    EXPECT_EQ(game->tileMap->width, 75);
    EXPECT_EQ(game->orks->count, 49);

    game->screens->state = Victory;
    game->deaths = 4;
    game->startLevel(7);
    EXPECT_EQ(game->tileMap->width, 75);
    EXPECT_EQ(game->orks->count, 49);
    EXPECT_EQ(game->deaths, 0);
    EXPECT_EQ(game->screens->state, Playing);
}

TEST_F(GameTest, HoldingALevelKeyRebuildsEveryTickEvenFromVictory)
{
    game->screens->state = Victory;
    key[KEY_F2] = 1;
    game->update();
    EXPECT_EQ(game->screens->state, Playing);
    Tile before[100];
    std::copy(game->tileMap->tiles[10], game->tileMap->tiles[10] + 100, before);
    game->update();
    key[KEY_F2] = 0;
    EXPECT_EQ(game->tileMap->width, 40);
    bool changed = false;
    for (int y = 0; y < 100; ++y)
        changed = changed || before[y].kind != game->tileMap->tiles[10][y].kind
                  || before[y].debris != game->tileMap->tiles[10][y].debris;
    EXPECT_TRUE(changed);
}

TEST_F(GameTest, FurnishedLevelHasOrksOnGroundAndTheBagAwayFromTheEntrance)
{
    for (int size = 0; size < 4; ++size) {
        game->startLevel(size);
        const int w = game->tileMap->width;
        const int h = game->tileMap->height;
        int bagX = static_cast<int>(game->bagPosition->x / 64);
        int bagY = static_cast<int>(game->bagPosition->y / 64);
        EXPECT_TRUE(bagX < w / 2 || bagY < h / 2) << "size " << size;
        EXPECT_EQ(game->tileMap->tiles[bagX][bagY].kind, Floor);
        EXPECT_NE(game->tileMap->tiles[bagX][bagY].visibility, Unreachable);
        for (int i = 0; i < game->orks->count; ++i) {
            const Tile& tile = game->tileMap->tileAt(*game->orks->pos[i]);
            EXPECT_TRUE(game->orks->health[i] <= 0 || (tile.kind != Rock && tile.visibility != Unreachable));
        }
        const auto& daggers = game->elf->daggers->state;
        EXPECT_EQ(std::count(daggers, daggers + DaggerSet::DaggerCount, InHand), DaggerSet::DaggerCount);
    }
}

TEST_F(GameTest, AimIsTheMouseLessThirtyTwoTheCameraCentresTheElfAndTheDeadKeepTheirFacing)
{
    startSmallLevel();
    mouse_x = 500;
    mouse_y = 90;
    game->update();
    EXPECT_EQ(game->aimPoint->x, 468);
    EXPECT_EQ(game->aimPoint->y, 58);
    EXPECT_EQ(game->view->origin->x, game->elf->position->x - 400);
    EXPECT_EQ(game->view->origin->y, game->elf->position->y - 350);

    game->elf->dead = true;
    game->elf->facing = 12.5;
    mouse_x = 700;
    mouse_y = 600;
    game->update();
    EXPECT_EQ(game->elf->facing, 12.5);
}

TEST_F(GameTest, BagIsTakenCloserThanFortyDroppedInStealthAndWinsOnlyStrictlyBeyondTheEntrance)
{
    startSmallLevel();
    clearOrks();
    Vector& elfAt = *game->elf->position;
    elfAt.x = entranceX() + 30;
    elfAt.y = entranceY() + 30;
    game->bagPosition->x = elfAt.x + 40.0;
    game->bagPosition->y = elfAt.y;
    game->update();
    EXPECT_FALSE(game->elf->carryingBag) << "exactly 40.0 is out of reach";
    EXPECT_EQ(game->screens->state, Playing) << "no victory without the bag";

    elfAt.x = entranceX();
    elfAt.y = entranceY();
    game->bagPosition->x = elfAt.x + 39.9;
    game->bagPosition->y = elfAt.y;
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

    elfAt.x = entranceX() + 1;
    elfAt.y = entranceY() + 1;
    game->bagPosition->copyFrom(elfAt);
    game->update();
    EXPECT_EQ(game->screens->state, Victory);
}

TEST_F(GameTest, AStrikeKillsAndSpaceRespawnsAtTheEntrance)
{
    startSmallLevel();
    clearOrks();
    OrkHorde& orks = *game->orks;
    Vector& elfAt = *game->elf->position;
    game->bagPosition->copyFrom(elfAt);
    game->update();
    ASSERT_TRUE(game->elf->carryingBag);

    orks.health[0] = 2;
    orks.pos[0]->x = elfAt.x + 50;
    orks.pos[0]->y = elfAt.y;
    orks.attackTimer[0] = 11;  // counts down to the strike this tick
    game->update();
    ASSERT_TRUE(game->elf->dead);
    const double diedAtX = elfAt.x;
    game->update();
    EXPECT_TRUE(game->elf->dead) << "nothing but Space respawns";
    const double orkAtX = orks.pos[3]->x;
    const int healthBefore = orks.health[0];

    tickWith(KEY_SPACE);
    EXPECT_FALSE(game->elf->dead);
    EXPECT_EQ(game->deaths, 1);
    EXPECT_EQ(elfAt.x, entranceX());
    EXPECT_EQ(game->bagPosition->x, diedAtX) << "the bag lies where the elf died";
    EXPECT_EQ(orks.pos[3]->x, orkAtX);
    EXPECT_EQ(orks.health[0], healthBefore);

    tickWith(KEY_SPACE);
    EXPECT_EQ(game->deaths, 1) << "Space does nothing while alive";
    startSmallLevel();
    EXPECT_EQ(game->deaths, 0);
}
