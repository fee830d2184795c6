#include <gtest/gtest.h>

#include "support/ActorWorld.h"
#include "support/Point.h"

namespace {
class Daggers : public testing::Test {
protected:
    ActorWorld world;
    DaggerSet& set = *world.elf->daggers;
    OrkHorde& horde = *world.horde;
};
}

TEST_F(Daggers, AThrownDaggerMakesFourteenMovesAndLiesDownAtItsFifteenthUpdate)
{
    set.throwDagger(at(1000, 1000), 0.0);
    for (int u = 1; u <= 14; ++u) {
        set.update();
        ASSERT_EQ(set.state[0], Flying);
        ASSERT_DOUBLE_EQ(set.position[0]->y, 1000 - 50 * u) << "update " << u;
    }
    set.update();
    EXPECT_EQ(set.state[0], Lying);
    EXPECT_DOUBLE_EQ(set.position[0]->x, 1000);
    EXPECT_DOUBLE_EQ(set.position[0]->y, 300);
    EXPECT_EQ(set.inHandCount, 9);
}

TEST_F(Daggers, ADaggerIntoRockLiesOneStepBackWithASplatAndStillHitsAnOrkThere)
{
    world.setRock(15, 12);  // y 768 to 831 above the throw
    world.listenAt(1000, 950);
    set.throwDagger(at(1000, 1000), 0.0);
    for (int u = 0; u < 6; ++u)
        set.update();
    EXPECT_EQ(set.state[0], Lying);
    EXPECT_DOUBLE_EQ(set.position[0]->y, 850) << "and stays there";
    EXPECT_EQ(world.played(10), 1);
    EXPECT_EQ(world.sound->ringRange[0], 450.0);

    set.throwDagger(at(1000, 1000), 0.0);
    for (int u = 0; u < 4; ++u)
        set.update();
    world.placeOrk(0, 1000, 850);  // walked in where the dagger will stop
    set.update();
    EXPECT_EQ(world.played(10), 2);
    EXPECT_EQ(world.played(7), 1);
    EXPECT_EQ(horde.health[0], 1);
    EXPECT_DOUBLE_EQ(set.position[1]->y, 900);
}

TEST_F(Daggers, OneDaggerCanHitTwoOrksInOneTick)
{
    horde.count = 2;
    world.placeOrk(0, 1000, 1010);
    world.placeOrk(1, 1000, 1010);
    world.listenAt(1000, 1200);
    set.throwDagger(at(1000, 1000), 0.0);
    set.update();
    EXPECT_EQ(set.state[0], Lying);
    EXPECT_DOUBLE_EQ(set.position[0]->x, 1000);
    EXPECT_DOUBLE_EQ(set.position[0]->y, 1100);
    EXPECT_EQ(world.played(7), 2);
    EXPECT_EQ(horde.health[1], 1);
    EXPECT_EQ(horde.chargeTimer[1], 30);
}

TEST_F(Daggers, OnlyLivingOrksCloserThan55PixelsAreHit)
{
    horde.count = 3;
    world.placeOrk(0, 1000, 1055);
    world.placeOrk(1, 900, 1000);
    horde.health[1] = 0;
    world.placeOrk(2, 1000, 1054.9);
    set.throwDagger(at(1000, 1000), 0.0);
    set.throwDagger(at(900, 1000), 0.0);
    set.update();
    EXPECT_EQ(horde.health[0], 2);
    EXPECT_EQ(horde.health[1], 0);
    EXPECT_EQ(horde.health[2], 1);
    EXPECT_EQ(set.state[1], Flying) << "a corpse does not stop a dagger";
}

TEST_F(Daggers, ThrowsTakeTheFirstDaggerInHand)
{
    for (int i = 0; i <= DaggerSet::DaggerCount; ++i)
        set.throwDagger(at(1000, 1000), 0.0);
    set.state[2] = InHand;
    set.state[0] = InHand;
    set.throwDagger(at(2000, 2000), 0.0);
    set.throwDagger(at(3000, 2000), 0.0);
    EXPECT_DOUBLE_EQ(set.position[0]->x, 2000);
    EXPECT_DOUBLE_EQ(set.position[2]->x, 3000);
}
