#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <tuple>

#include "support/ActorWorld.h"

// How orks choose where to walk: open floor, a level of 40 x 40 tiles whose
// middle is (1280, 1280), ork 0 alone.
namespace {
struct Wander : testing::Test {
    ActorWorld world;
    OrkHorde& horde = *world.horde;

    Wander() { world.map->width = world.map->height = 40; }
    // Ork 0 at (x, y), its newest print (dx, dy) behind it.
    void orkWithPrint(double x, double y, double dx, double dy)
    {
        world.placeOrk(0, x, y);
        horde.footprintIndex[0] = 4;
        horde.footprintPos[0][4]->copyFrom(at(x - dx, y - dy));
    }
};
}

// As far past the ork as its newest print lies behind it, then whole tiles
// off: -10 to +9, turned round to lean toward the middle when the ork is
// short of it.
TEST_F(Wander, ANewTargetLiesStraightOnPastTheNewestPrintAndWholeTilesOffLeaningTowardTheMiddle)
{
    for (auto [x, y, lowestX, lowestY] : {std::tuple{1279.0, 1280.0, -9, -10}, {1280.0, 1279.0, -10, -9}}) {
        std::set<int> tilesX, tilesY;
        for (int draw = 0; draw < 400; ++draw) {
            orkWithPrint(x, y, 100, 30);
            horde.pickWanderTarget(0);
            const double offX = (horde.target[0]->x - x - 100) / 64, offY = (horde.target[0]->y - y - 30) / 64;
            ASSERT_TRUE(offX == int(offX) && offY == int(offY)) << offX << ", " << offY;
            tilesX.insert(int(offX));
            tilesY.insert(int(offY));
        }
        EXPECT_EQ(tilesX.size() + tilesY.size(), 40u) << x << ", " << y;
        EXPECT_EQ(*tilesX.begin(), lowestX) << x;
        EXPECT_EQ(*tilesY.begin(), lowestY) << y;
    }
}

// Rock every third column, unreachable ground every third row; five tries of
// two draws each, and after five misses the ork stands.
TEST_F(Wander, TargetsFallOnlyOnReachableOpenGroundAndAfterFiveMissesTheOrkStands)
{
    for (int column = 0; column < 100; ++column)
        for (int row = 0; row < 100; ++row)
            world.map->tiles[column][row] = Tile{column % 3 ? Floor : Rock, row % 3 ? Unseen : Unreachable, -1};
    int stood = 0;
    for (int draw = 0; draw < 300; ++draw) {
        orkWithPrint(1000, 1000, 0, 0);
        horde.pickWanderTarget(0);
        const Tile& aim = world.map->tileAt(*horde.target[0]);
        const bool standing = horde.target[0]->distance(*horde.pos[0]) == 0;
        stood += standing;
        EXPECT_TRUE(standing || (aim.kind != Rock && aim.visibility != Unreachable));
    }
    EXPECT_GT(stood, 0);
    for (auto& column : world.map->tiles)
        for (Tile& tile : column)
            tile.kind = Rock;
    std::srand(5);
    horde.pickWanderTarget(0);
    const int next = std::rand();
    std::srand(5);
    for (int draw = 0; draw < 10; ++draw)
        std::rand();
    EXPECT_EQ(horde.target[0]->distance(*horde.pos[0]) == 0 ? std::rand() : -1, next);
}

// Closer than 60 px, but not on the same spot, one ork a tick is moved out to
// 60 px from the other, the active slots in turn; the still one a corpse.
TEST_F(Wander, CloseOrksArePushedApartToSixtyPixelsOneATickInTurn)
{
    horde.count = 2;
    for (auto [gap, after] : {std::pair{59.9, 60.0}, {60.0, 60.0}, {0.09, 0.09}, {0.11, 60.0}})
        for (int mover : {1, 0}) {
            world.placeOrk(0, 1000, 1000);
            world.placeOrk(1, 1000 + gap, 1000);
            horde.health[1 - mover] = 0;
            horde.attackTimer[mover] = 100;  // standing to strike
            horde.separationIndex = 1 - mover;
            horde.update();
            EXPECT_NEAR(horde.pos[0]->distance(*horde.pos[1]), after, 1e-9) << gap << " px, ork " << mover << " moving";
            EXPECT_EQ(horde.pos[1 - mover]->x, mover ? 1000 : 1000 + gap);
        }
}

// Measured before the tick's step; stuck is checked when the step timer wraps.
TEST_F(Wander, AnOrkRetargetsWithin40PxOfItsTargetOrStuckWithin60PxOfItsNewestPrint)
{
    for (auto [toTarget, fromPrint, retargets] :
         {std::tuple{39.9, 500.0, true}, {40.0, 500.0, false}, {500.0, 59.9, true}, {500.0, 60.0, false}}) {
        orkWithPrint(1000, 1000, 0, fromPrint - 6);  // 6 px of walking later
        horde.target[0]->y += toTarget;
        horde.stepTimer[0] = 0;
        horde.update();
        EXPECT_EQ(horde.target[0]->distance(at(1000, 1000 + toTarget)) > 0, retargets) << toTarget << ", " << fromPrint;
    }
}
