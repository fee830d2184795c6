#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "perception/PivotSprite.h"
#include "support/ActorWorld.h"
#include "support/Point.h"

namespace {
struct Player : testing::Test {
    ActorWorld world;
    Elf& elf = *world.elf;
    DaggerSet& set = *world.elf->daggers;
};
}

// Pixels per tick along each axis; opposite keys cancel but still make the
// step diagonal.
TEST_F(Player, TheElfRunsAtTwentyCarriesAtSixteenAndSneaksAtSixSlowerOnDiagonals)
{
    for (auto [keys, stealth, bag, dx, dy] :
         {std::tuple{"WD", 0, 0, 14, -14}, {"W", 0, 0, 0, -20}, {"WSD", 0, 0, 14, 0}, {"W", 1, 0, 0, -6},
          {"WD", 1, 0, 4, -4}, {"A", 0, 1, -16, 0}, {"SA", 0, 1, -12, 12}, {"WSAD", 1, 1, 0, 0}}) {
        world.placeElf(1000, 1000);
        elf.moveUp = std::strchr(keys, 'W');
        elf.moveDown = std::strchr(keys, 'S');
        elf.moveLeft = std::strchr(keys, 'A');
        elf.moveRight = std::strchr(keys, 'D');
        elf.stealthHeld = stealth;
        elf.carryingBag = bag;
        elf.update();
        EXPECT_EQ(elf.position->distance(at(1000 + dx, 1000 + dy)), 0) << keys << stealth << bag;
    }
}

// Pushed out by its body radius from rock that only the north probe reaches,
// then from a corner that only the north-east probe reaches.
TEST_F(Player, RockPushesTheElfBackTwentyPixelsAwayFromTheProbeInIt)
{
    for (auto [column, row, x, y, pushedX, pushedY] :
         {std::tuple{15, 15, 1000, 1034, 1000, 1054}, {17, 14, 1069, 975, 1049, 995}}) {
        world.map->tiles[column][row].kind = Rock;
        world.placeElf(x, y);
        elf.update();
        EXPECT_EQ(elf.position->distance(at(pushedX, pushedY)), 0) << x << ", " << y;
    }
}

// Two lying within 45 px and beyond, and one flown within reach; the dead
// elf does nothing at all, its daggers hang where they are.
TEST_F(Player, LyingDaggersCloserThan45ComeBackToTheLivingElfsHandFlyingOnesDoNot)
{
    for (auto [i, x, y, state] :
         {std::tuple{0, 3044.9, 3000.0, Lying}, {1, 3045.0, 3000.0, Lying}, {2, 3000.0, 3025.0, Flying}}) {
        set.state[i] = state;
        set.life[i] = 5;
        set.position[i]->copyFrom(at(x, y));
    }
    elf.dead = elf.moveUp = elf.fireHeld = true;
    elf.update();
    EXPECT_EQ(elf.position->y, 3000);
    EXPECT_EQ(std::vector<int>(set.state, set.state + 4), (std::vector<int>{Lying, Lying, Flying, InHand}));
    EXPECT_EQ(set.position[2]->y, 3025);
    elf.dead = elf.moveUp = elf.fireHeld = false;
    elf.update();
    EXPECT_EQ(std::vector<int>(set.state, set.state + 3), (std::vector<int>{InHand, Lying, Flying}));
}

// The elf's own pictures, upright (facing 0) with their pivot on the elf at
// screen (400, 350); sneaking shows the empty-handed picture through a grid
// of holes on every even row and column.
TEST_F(Player, ElfShowsThePictureOfItsStateReadyThrowingEmptyHandedCarryingSneakingAndDead)
{
    world.listenAt(3000, 3000);
    for (auto [inHand, cooldown, stealth, bag, dead, file] :
         {std::tuple{1, 5, 0, 0, 0, DataFile::Elf0}, {1, 0, 0, 0, 0, DataFile::Elf0}, {1, 14, 0, 0, 0, DataFile::Elf1},
          {1, 13, 0, 0, 0, DataFile::Elf1}, {1, 12, 0, 0, 0, DataFile::Elf2}, {1, 6, 0, 0, 0, DataFile::Elf2},
          {0, 0, 0, 0, 0, DataFile::Elf2}, {0, 14, 0, 0, 0, DataFile::Elf2}, {1, 13, 1, 0, 0, DataFile::Elf2},
          {0, 5, 1, 1, 0, DataFile::ElfBag}, {1, 5, 1, 1, 1, DataFile::ElfDead}}) {
        set.inHandCount = inHand;
        elf.throwCooldown = cooldown;
        elf.stealthHeld = stealth;
        elf.carryingBag = bag;
        elf.dead = dead;
        clear_to_color(world.buffer, 0);
        elf.draw(*world.view);
        EXPECT_TRUE(world.showsOnly(file, 400, 350, false, stealth && !bag))
            << "cooldown " << cooldown << ", " << inHand << " in hand, mode " << stealth << bag << dead;
    }
}

// The dagger's tip 14 px above its pivot (16, 16).
TEST_F(Player, DaggersAreDrawnTurnedToTheirHeading)
{
    world.listenAt(3000, 3000);
    world.paint(set.sprite, 32, 32, 0xffffff, 16, 2, false);
    set.state[0] = set.state[1] = Lying;
    set.heading[0] = 60;
    set.heading[1] = -90;
    set.position[0]->copyFrom(at(3000, 3000));      // screen (400, 350), flying along (-sin 60, -cos 60)
    set.position[1]->copyFrom(at(2600 - 8, 2950));  // screen (-8, 300), flying toward +x
    set.draw(*world.view);
    EXPECT_TRUE(world.shows(400 - 12, 350 - 7, 0xffffff));
    EXPECT_TRUE(world.shows(6, 300, 0xffffff));
    EXPECT_TRUE(fixtof(allegroAngle(90)) == -64 && fixtof(allegroAngle(-180)) == 128) << "-heading x 256 / 360";
}

TEST_F(Player, ThrowsTakeTheFirstDaggerInHandWhichFliesFourteenStepsAndLiesAtTheFifteenth)
{
    for (int i = 0; i <= DaggerSet::DaggerCount; ++i)
        set.throwDagger(at(1000 + (i == DaggerSet::DaggerCount), 1000), 0.0);  // the last with none in hand
    EXPECT_EQ(set.position[9]->x, 1000);
    for (int i = 1; i < DaggerSet::DaggerCount; ++i)
        set.state[i] = i == 2 ? InHand : Lying;
    for (int u = 1; u <= 15; ++u) {
        set.update();
        ASSERT_EQ(set.state[0], u < 15 ? Flying : Lying);
        ASSERT_NEAR(set.position[0]->y, 1000 - 50 * std::min(u, 14), 1e-9) << "update " << u;
    }
    EXPECT_EQ(set.inHandCount, 1);
    set.state[0] = InHand;
    set.throwDagger(at(2000, 2000), 0.0);
    set.throwDagger(at(3000, 2000), 0.0);
    EXPECT_EQ(set.position[0]->x, 2000);
    EXPECT_EQ(set.position[2]->x, 3000);
}

TEST_F(Player, RockAndUnreachableTilesStopDaggersOneStepBackAndDaggersHitEveryLivingOrkCloserThan55)
{
    world.map->tiles[15][12].kind = Rock;  // y 768 to 831 above the throw
    world.map->tiles[40][12].visibility = Unreachable;
    set.throwDagger(at(1000, 1000), 0.0);
    set.throwDagger(at(2600, 1000), 0.0);
    for (int u = 0; u < 6; ++u)
        set.update();
    for (int i : {0, 1}) {
        EXPECT_EQ(set.state[i], Lying);
        EXPECT_NEAR(set.position[i]->y, 850, 1e-9) << "and stays there";
    }

    set.throwDagger(at(1000, 1000), 0.0);
    for (int u = 0; u < 4; ++u)
        set.update();
    world.placeOrk(0, 1000, 850);  // walked in where the dagger will stop
    set.update();
    EXPECT_EQ(world.horde->health[0], 1);
    EXPECT_NEAR(set.position[2]->y, 900, 1e-9);

    world.horde->count = 4;  // again: every living ork closer than 55
    world.placeOrk(3, 1000, 1060);  // within reach only once the first hit moves the dagger back
    world.placeOrk(0, 1000, 1055);
    world.placeOrk(1, 900, 1000);
    world.horde->health[1] = 0;
    world.placeOrk(2, 1000, 1054.9);
    set.throwDagger(at(1000, 1000), 0.0);
    set.throwDagger(at(900, 1000), 0.0);
    set.update();
    EXPECT_EQ(std::vector<int>(world.horde->health, world.horde->health + 4), (std::vector<int>{2, 0, 1, 1}))
        << "one dagger can hit two orks in a tick";
    EXPECT_EQ(world.horde->chargeTimer[2], 30);
    EXPECT_EQ(set.state[4], Flying) << "a corpse does not stop a dagger";
}
