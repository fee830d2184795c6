#include <gtest/gtest.h>

#include "support/ActorWorld.h"
#include "support/Headless.h"

namespace {
class OrkPerception : public testing::Test {
protected:
    void SetUp() override
    {
        headless::releaseInput();
        world.placeElf(1000, 1000);
        world.listenAt(1000, 1000);
    }
    void TearDown() override { headless::releaseInput(); }

    ActorWorld world;
    OrkHorde& horde = *world.horde;
};
}

TEST_F(OrkPerception, AnArmedOrkStrikesSevenTicksLaterAndKillsOnlyAnElfStillInReach)
{
    world.placeOrk(0, 1000, 1080);
    world.tick();
    ASSERT_EQ(horde.attackTimer[0], 17);
    for (int t = 1; t <= 6; ++t)
        world.tick();
    EXPECT_FALSE(world.elf->dead);
    EXPECT_DOUBLE_EQ(horde.pos[0]->y, 1080) << "a winding-up ork stands";
    world.tick();
    EXPECT_TRUE(world.elf->dead);
    EXPECT_EQ(world.played(14), 1);
    EXPECT_EQ(world.played(15), 0);

    ActorWorld other;
    other.placeElf(1000, 1000);
    other.listenAt(1000, 1000);
    other.placeOrk(0, 1000, 1080);
    other.tick();
    other.placeElf(1000, 850);  // got away while the ork wound up
    for (int t = 1; t <= 7; ++t)
        other.tick();
    EXPECT_FALSE(other.elf->dead);
    EXPECT_EQ(other.played(14), 0);
    EXPECT_EQ(other.played(15), 1);
}

TEST_F(OrkPerception, StealthHidesTheElfFromSightButNotFromACloseAttack)
{
    horde.update();  // sight range 200
    world.placeOrk(0, 1000, 1150);
    horde.target[0]->y = 900;  // looking toward the elf
    mouse_b = 2;
    horde.perceive(0);
    EXPECT_EQ(horde.chargeTimer[0], 0);
    EXPECT_EQ(horde.target[0]->y, 900);

    mouse_b = 0;
    horde.perceive(0);
    EXPECT_EQ(horde.chargeTimer[0], 15);
    EXPECT_EQ(horde.target[0]->y, 1000);

    mouse_b = 2;
    world.placeOrk(0, 1000, 1080);
    horde.perceive(0);
    EXPECT_EQ(horde.attackTimer[0], horde.attackPause);
}

TEST_F(OrkPerception, FootstepsAreHeardAtTheirPhasesAndNeverFromACorpse)
{
    world.placeElf(3000, 3000);
    world.listenAt(1100, 1000);
    world.map->tiles[15][15].debris = 1;
    world.placeOrk(0, 1000, 1000);
    horde.attackTimer[0] = 5;
    horde.stepTimer[0] = 1;
    horde.perceive(0);
    EXPECT_EQ(world.played(1), 0) << "phase 1 is silent while winding up";
    horde.stepTimer[0] = 9;
    horde.perceive(0);
    EXPECT_EQ(world.played(1), 1);
    horde.attackTimer[0] = 0;
    horde.stepTimer[0] = 1;
    horde.perceive(0);
    EXPECT_EQ(world.played(1), 2);

    world.map->tiles[15][15].debris = 0;
    world.map->tiles[15][15].kind = Water;
    horde.perceive(0);
    EXPECT_EQ(world.played(0), 0) << "debris 0 is silent";
    EXPECT_EQ(world.played(6), 1);

    horde.health[0] = 0;
    horde.stepTimer[0] = 9;
    for (int t = 0; t < 20; ++t)
        world.tick();
    EXPECT_EQ(world.played(6), 1);
}
