#include <gtest/gtest.h>

#include "support/ActorWorld.h"

TEST(OrkHorde, WalksToItsTargetThenPicksAnother)
{
    ActorWorld world;
    OrkHorde& horde = *world.horde;
    world.placeOrk(0, 1000, 1000);
    horde.target[0]->y = 1100;
    for (int t = 1; t <= 11; ++t) {
        horde.update();
        ASSERT_DOUBLE_EQ(horde.pos[0]->y, 1000 + 6 * t) << "tick " << t;
    }
    EXPECT_EQ(horde.target[0]->y, 1100);

    horde.update();  // starts 34 px from the target
    EXPECT_DOUBLE_EQ(horde.pos[0]->y, 1072);
    EXPECT_FALSE(horde.target[0]->x == 1000 && horde.target[0]->y == 1100);
    EXPECT_LT(horde.target[0]->distance(*horde.pos[0]), 700);
}

TEST(OrkHorde, AnOrkStuckInADeadEndRetargetsWhileAFreeChargerKeepsGoing)
{
    ActorWorld world;
    OrkHorde& horde = *world.horde;
    horde.count = 2;
    for (int row = 10; row <= 17; ++row) {
        world.setRock(14, row);
        world.setRock(16, row);
    }
    world.setRock(15, 17);
    world.placeOrk(0, 992, 1000);   // in the pocket of column 15
    world.placeOrk(1, 3000, 1000);  // in the open
    for (int i = 0; i < 2; ++i) {
        horde.target[i]->y = 5000;
        horde.chargeTimer[i] = 30;
        horde.stepTimer[i] = 0;
    }
    for (int t = 1; t <= 17; ++t) {
        horde.update();
        ASSERT_EQ(horde.target[0]->y, 5000) << "tick " << t;
    }
    horde.update();  // the step counter wraps, 9 ticks after the last footprint
    EXPECT_NE(horde.target[0]->y, 5000);
    EXPECT_EQ(horde.target[1]->y, 5000);
    EXPECT_EQ(world.map->tileAt(*horde.pos[0]).kind, Floor);
}

TEST(OrkHorde, CloseOrksArePushedApartOneOrkPerTickAndTheTurnRestartsOnASmallerLevel)
{
    ActorWorld world;
    OrkHorde& horde = *world.horde;
    horde.count = 2;
    world.placeOrk(0, 1000, 1000);
    world.placeOrk(1, 1030, 1000);
    horde.attackTimer[0] = horde.attackTimer[1] = 50;  // both stand still
    horde.update();
    EXPECT_DOUBLE_EQ(horde.pos[0]->x, 1000);
    EXPECT_DOUBLE_EQ(horde.pos[1]->x, 1060);
    horde.pos[1]->x = 1030;
    horde.update();
    EXPECT_DOUBLE_EQ(horde.pos[0]->x, 970);
    EXPECT_DOUBLE_EQ(horde.pos[1]->x, 1030);

    horde.separationIndex = 40;  // left over from a level of 49
    horde.count = 7;
    horde.update();
    EXPECT_EQ(horde.separationIndex, 0);
}

TEST(OrkHorde, WoundedOrksBleedAndCorpsesLieStill)
{
    ActorWorld world;
    OrkHorde& horde = *world.horde;
    horde.count = 2;
    world.placeOrk(0, 1000, 1000);
    world.placeOrk(1, 2000, 1000);
    horde.health[0] = 1;
    horde.health[1] = 0;
    horde.stepTimer[0] = 0;
    horde.footprintAge[1][4] = 10;
    horde.update();
    EXPECT_TRUE(horde.footprintBloody[0][1]);
    EXPECT_EQ(horde.footprintAge[0][1], 120);
    for (int t = 0; t < 20; ++t)
        horde.update();
    EXPECT_DOUBLE_EQ(horde.pos[1]->x, 2000);
    EXPECT_EQ(horde.footprintAge[1][4], 0) << "old prints of the dead still fade";
}

TEST(OrkHorde, SurvivorsGrowKeenerAsOrksDie)
{
    struct Case {
        int count, dead;
        double range, halfAngle;
        int pause;
    };
    for (Case c : {Case{7, 0, 200, 20, 17}, Case{7, 3, 307, 41, 15}, Case{49, 48, 444, 68, 12}}) {
        ActorWorld world;
        OrkHorde& horde = *world.horde;
        horde.count = c.count;
        for (int i = 0; i < c.count; ++i) {
            world.placeOrk(i, 500 + i * 100, 1000);
            horde.health[i] = i < c.dead ? 0 : 2;
        }
        horde.update();
        EXPECT_EQ(horde.aliveCount, c.count - c.dead);
        EXPECT_EQ(horde.sightRange, c.range) << c.count << " orks, " << c.dead << " dead";
        EXPECT_EQ(horde.sightHalfAngle, c.halfAngle);
        EXPECT_EQ(horde.attackPause, c.pause);
    }
}

TEST(OrkHorde, OddCountsAndIndicesStayInsideTheSlots)
{
    ActorWorld world;
    OrkHorde& horde = *world.horde;
    horde.count = 0;
    horde.update();
    horde.count = 80;
    horde.update();
    for (int i : {-1, 50}) {
        horde.moveOrk(i);
        horde.separate(i);
        horde.pickWanderTarget(i);
        horde.perceive(i);
        horde.drawOrk(*world.view, i);
        horde.drawFootprint(*world.view, i, 0);
    }
    horde.drawFootprint(*world.view, 0, 15);
}
