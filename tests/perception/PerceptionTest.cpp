#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "support/ActorWorld.h"
#include "support/Headless.h"
#include "support/Point.h"

namespace {
// The elf at (1000, 1000), drawn at screen (400, 350), in a level of 40 x 40
// tiles. play() runs whole game ticks.
struct Perception : testing::Test {
    ActorWorld world;
    OrkHorde& horde = *world.horde;
    Sight& sight = *world.game->sight;

    Perception()
    {
        headless::releaseInput();
        world.placeElf(1000, 1000);
        world.listenAt(1000, 1000);
        world.game->bagPosition->copyFrom(at(5000, 5000));
        world.game->screens->state = Playing;
        world.map->width = world.map->height = 40;
    }
    void play(int ticks = 1)
    {
        for (int t = 0; t < ticks; ++t)
            world.game->update();
    }
    // Ork 0 at (x, y) walking toward (x, y + 4000).
    void walker(double x, double y, int health = 2)
    {
        world.placeOrk(0, x, y);
        horde.target[0]->y += 4000;
        horde.health[0] = health;
    }
    // Ork 0 at (x, y), its newest print (dx, dy) behind it.
    void orkWithPrint(double x, double y, double dx, double dy)
    {
        world.placeOrk(0, x, y);
        horde.footprintIndex[0] = 4;
        horde.footprintPos[0][4]->copyFrom(at(x - dx, y - dy));
    }
    void fill(int32_t kind)
    {
        for (auto& column : world.map->tiles)
            for (Tile& tile : column)
                tile = Tile{kind, Unseen, -1};
    }
    Tile& tile(int column, int row) { return world.map->tiles[column][row]; }
};
}

// Prints at steps 16 and 8 of the 17-tick cycle, into a ring of 15 slots.
TEST_F(Perception, OrksLayPrintsTwiceACycleBloodyOnlyWhenWoundedAndEveryPrintFadesEvenACorpses)
{
    for (int health : {1, 2}) {
        walker(1000, 1000, health);
        horde.stepTimer[0] = 0;
        horde.footprintIndex[0] = 13;
        std::vector<int> laid;
        for (int t = 1; t <= 26; ++t) {
            const int before = horde.footprintIndex[0];
            horde.update();
            const int j = horde.footprintIndex[0];
            if (j == before)
                continue;
            laid.push_back(t);
            EXPECT_EQ(horde.footprintAge[0][j], 120);
            EXPECT_EQ(horde.footprintBloody[0][j], health == 1) << "health " << health;
            EXPECT_EQ(horde.footprintPos[0][j]->distance(*horde.pos[0]), 0);
        }
        EXPECT_EQ(laid, (std::vector<int>{1, 9, 18, 26}));
        EXPECT_EQ(horde.footprintIndex[0], 2) << "the ring wrapped";
    }
    horde.health[0] = 0;
    for (int t = 0; t < 100; ++t)
        horde.update();
    EXPECT_EQ(horde.footprintIndex[0], 2) << "a corpse lays none";
    // Laid at ticks 1, 9, 18 and 26, then 100 ticks dead.
    for (auto [j, age] : {std::pair{14, 0}, {0, 3}, {1, 12}, {2, 20}})
        EXPECT_EQ(horde.footprintAge[0][j], age) << "slot " << j;
}

// The ork at (1000, 1200) walks up the screen; the elf stands `distance`
// away, `off` degrees off its way. As orks die the survivors see farther and
// wider and strike sooner; stealth, death and rock between blind them.
TEST_F(Perception, OrksSeeTheElfToTheEdgesOfARangeAndConeThatGrowAsTheHordeThins)
{
    enum Blind { Open, Sneaking, Slain, Walled };
    for (auto [count, dead, pause, distance, off, blind, seen] :
         {std::tuple{7, 0, 17, 200.0, 0.0, Open, true}, {7, 0, 17, 201.0, 0.0, Open, false},
          {7, 0, 17, 150.0, 19.99, Open, true}, {7, 0, 17, 150.0, 20.01, Open, false},
          {7, 3, 15, 307.0, 0.0, Open, true}, {7, 3, 15, 308.0, 0.0, Open, false},
          {7, 3, 15, 150.0, 40.99, Open, true}, {7, 3, 15, 150.0, 41.01, Open, false},
          {49, 48, 12, 444.0, 0.0, Open, true}, {49, 48, 12, 445.0, 0.0, Open, false},
          {49, 48, 12, 150.0, 67.99, Open, true}, {49, 48, 12, 150.0, 68.01, Open, false},
          {7, 0, 17, 150.0, 0.0, Sneaking, false}, {7, 0, 17, 150.0, 0.0, Slain, false},
          {7, 0, 17, 150.0, 0.0, Walled, false}}) {
        horde.count = count;
        for (int i = 0; i < count; ++i)
            horde.health[i] = i < count - dead ? 2 : 0;
        horde.update();
        EXPECT_EQ(horde.attackPause, pause) << count << " orks, " << dead << " dead";
        world.placeOrk(0, 1000, 1200);
        horde.target[0]->y = 0;
        horde.health[0] = blind == Slain ? 0 : 2;
        horde.chargeTimer[0] = 0;
        mouse_b = blind == Sneaking ? 2 : 0;
        tile(15, 17).kind = blind == Walled ? Rock : Floor;  // across the line between them
        const double rad = off * M_PI / 180;
        world.placeElf(1000 + distance * std::sin(rad), 1200 - distance * std::cos(rad));
        horde.perceive(0);
        EXPECT_EQ(horde.chargeTimer[0], seen ? 15 : 0) << distance << " px, " << off << " degrees, " << dead << " dead";
        EXPECT_EQ(horde.target[0]->distance(*world.elf->position) == 0, seen);
    }
}

// Stealth is held throughout: it does not hide the elf from a close ork.
TEST_F(Perception, OrksWithin100WindUpStandAndStrikeSevenTicksLaterAndWindUpAgainBelow3)
{
    world.placeOrk(0, 1000, 1100);
    mouse_b = 2;
    play();
    EXPECT_EQ(horde.attackTimer[0], 0) << "100 px is out of reach";
    world.placeOrk(0, 1000, 1080);
    play();
    ASSERT_EQ(horde.attackTimer[0], 17);
    play(6);
    EXPECT_FALSE(world.elf->dead);
    EXPECT_EQ(horde.pos[0]->y, 1080) << "a winding-up ork stands";
    play();
    EXPECT_TRUE(world.elf->dead);
    play(7);
    EXPECT_EQ(horde.attackTimer[0], 3);
    play();
    EXPECT_EQ(horde.attackTimer[0], 17) << "and again at the dead elf";
}

// The ork's own pictures, drawn upright with their pivot at screen (400, 350):
// an ork walking up the screen by its attack timer, and the corpse.
TEST_F(Perception, AnOrkShowsItsArmRaisedFrom12SwingingFrom6AtRestBelowAndDeadItsCorpse)
{
    for (auto [timer, health, file] :
         {std::tuple{17, 2, DataFile::Ork1}, {12, 1, DataFile::Ork1}, {11, 2, DataFile::Ork2}, {6, 2, DataFile::Ork2},
          {5, 2, DataFile::Ork0}, {0, 1, DataFile::Ork0}, {12, 0, DataFile::OrkDead}, {0, -3, DataFile::OrkDead}}) {
        walker(1000, 1000, health);
        horde.target[0]->y = 0;
        horde.attackTimer[0] = timer;
        clear_to_color(world.buffer, 0);
        horde.drawOrk(*world.view, 0);
        EXPECT_TRUE(world.showsOnly(file, 400, 350)) << "attack timer " << timer << ", health " << health;
    }
}

// Prints by age, a wounded ork's bloody whatever their age, gone from 30 on;
// turned upright, with every other print the other foot, flipped.
TEST_F(Perception, PrintsFadeInThreePicturesByAgeBloodyOnesStayBloodyAndAllGoAt30)
{
    for (auto [age, bloody, j, file] :
         {std::tuple{120, 0, 1, DataFile::Footprint0}, {91, 0, 1, DataFile::Footprint0}, {30, 0, 1, DataFile::Count},
          {90, 0, 1, DataFile::Footprint1}, {61, 0, 1, DataFile::Footprint1}, {60, 0, 1, DataFile::Footprint2},
          {31, 0, 1, DataFile::Footprint2}, {31, 1, 1, DataFile::Blood}, {120, 1, 1, DataFile::Blood},
          {30, 1, 1, DataFile::Count}, {100, 0, 2, DataFile::Footprint0}}) {
        horde.footprintPos[0][j]->copyFrom(at(1000, 1000));
        horde.footprintHeading[0][j] = 90 * 360 / 256.0;
        horde.footprintAge[0][j] = age;
        horde.footprintBloody[0][j] = bloody;
        clear_to_color(world.buffer, 0);
        horde.drawFootprint(*world.view, 0, j);
        EXPECT_TRUE(world.showsOnly(file, 400, 350, j % 2 == 0)) << "age " << age << ", bloody " << bloody;
    }
}

// Facing 0 the elf looks up the screen from its eye 60 px below it, 450 px
// and 60 more; orks within 120 px and prints within 90 show even behind it.
TEST_F(Perception, TheElfSeesOrksAndPrintsUpTo510PxFromItsEyeInItsConeAndCloseOnesAllAround)
{
    world.elf->update();
    const double edge = 35 * M_PI / 180;
    for (auto [print, x, y, health, seen] :
         {std::tuple{false, 1000.0, 550.0, 2, true}, {false, 1000.0, 549.0, 2, false},
          {false, 1000 + 300 * std::sin(edge - 1e-4), 1060 - 300 * std::cos(edge - 1e-4), 2, true},
          {false, 1000 + 300 * std::sin(edge + 1e-4), 1060 - 300 * std::cos(edge + 1e-4), 2, false},
          {false, 1000.0, 1119.0, 2, true}, {false, 1000.0, 1120.0, 2, false}, {false, 1000.0, 1400.0, 0, true},
          {true, 1000.0, 550.0, 2, true}, {true, 1000.0, 549.0, 2, false}, {true, 1000.0, 1089.0, 2, true},
          {true, 1000.0, 1090.0, 2, false}}) {
        walker(print ? 5000 : x, print ? 5000 : y, health);
        horde.footprintPos[0][1]->copyFrom(at(x, y));
        horde.footprintAge[0][1] = print ? 100 : 0;
        world.listenAt(x, y);
        clear_to_color(world.buffer, 0);
        print ? horde.drawFootprints(*world.view) : horde.drawOrks(*world.view);
        EXPECT_EQ(!world.showsOnly(DataFile::Count), seen) << (print ? "print" : "ork") << " at " << x << ", " << y;
    }
}

// As far past the ork as its newest print lies behind it, then whole tiles
// off: -10 to +9, turned round to lean toward the middle (1280, 1280) when
// the ork is short of it.
TEST_F(Perception, ANewWanderTargetLiesStraightOnPastTheNewestPrintAndWholeTilesOffLeaningTowardTheMiddle)
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
        EXPECT_EQ(std::pair(*tilesX.begin(), *tilesY.begin()), std::pair(lowestX, lowestY)) << x << ", " << y;
    }
}

// Rock every third column, unreachable ground every third row: after a few
// misses in a row the ork stands.
TEST_F(Perception, WanderTargetsFallOnlyOnReachableOpenGroundAndAfterMissesTheOrkStands)
{
    for (int column = 0; column < 100; ++column)
        for (int row = 0; row < 100; ++row)
            tile(column, row) = Tile{column % 3 ? Floor : Rock, row % 3 ? Unseen : Unreachable, -1};
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
}

// Closer than 60 px, but not on the same spot, one ork a tick is moved out to
// 60 px from the other, the active slots in turn.
TEST_F(Perception, CloseOrksArePushedApartToSixtyPixelsOneATickInTurn)
{
    horde.count = 2;
    for (auto [gap, after] : {std::pair{59.9, 60.0}, {60.0, 60.0}, {0.09, 0.09}, {0.11, 60.0}})
        for (int mover : {1, 0}) {
            world.placeOrk(0, 1000, 1000);
            world.placeOrk(1, 1000 + gap, 1000);
            horde.separationIndex = 1 - mover;
            horde.update();
            EXPECT_NEAR(horde.pos[0]->distance(*horde.pos[1]), after, 1e-9) << gap << " px, ork " << mover << " moving";
            EXPECT_EQ(horde.pos[1 - mover]->x, mover ? 1000 : 1000 + gap);
        }
}

// Measured before the tick's step; stuck is checked when the step timer wraps.
TEST_F(Perception, AnOrkRetargetsWithin40PxOfItsTargetOrStuckWithin60PxOfItsNewestPrint)
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

TEST_F(Perception, SightNeedsRockOnBothRaysBeyond100PxToBeBlockedAndTheScreenEdgesAreOnIt)
{
    // Straight down: no step is taken below 100 px, and the sight ends at 600 px.
    for (auto [kind, y, blocked] : {std::tuple{Rock, 3299.9, false}, {Rock, 3300.0, false}, {Rock, 3300.1, true},
                                    {Floor, 3800.0, false}, {Floor, 3800.1, true}}) {
        fill(kind);
        EXPECT_EQ(sight.isBlocked(at(3200, 3200), at(3200, y)), blocked) << y;
    }
    // Along the diagonal through the corner shared by tiles (50, 50) and (51, 51).
    tile(51, 50).kind = Rock;  // beside the diagonal: only one ray enters it
    EXPECT_FALSE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));
    tile(50, 51).kind = Rock;  // two rocks meeting at the corner close the gap
    EXPECT_TRUE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));
    world.listenAt(500, 550);  // origin (100, 200)
    for (auto [x, y, on] : {std::tuple{100.0, 200.0, true}, {900.0, 900.0, true}, {99.9, 500.0, false},
                            {900.1, 500.0, false}, {500.0, 199.9, false}, {500.0, 900.1, false}})
        EXPECT_EQ(world.view->isOnScreen(at(x, y)), on) << x << ", " << y;
}
