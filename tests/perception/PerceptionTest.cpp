#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "support/ActorWorld.h"
#include "support/Point.h"

namespace {
constexpr int Print[3] = {0xffff00, 0x00ffff, 0x0000ff};
constexpr int Frame[3] = {0x00ff00, 0xff8000, 0x8000ff};

// The elf at (1000, 1000), drawn at screen (400, 350); world points are
// checked on screen through shows().
struct Perception : testing::Test {
    ActorWorld world;
    OrkHorde& horde = *world.horde;
    Sight& sight = *world.game->sight;

    Perception()
    {
        world.placeElf(1000, 1000);
        world.listenAt(1000, 1000);
    }
    bool shows(double x, double y, int rgb) { return world.shows(x - 600, y - 650, rgb); }
    void putPrint(int j, double x, double y, int age, bool bloody = false)
    {
        horde.footprintPos[0][j]->copyFrom(at(x, y));
        horde.footprintAge[0][j] = age;
        horde.footprintBloody[0][j] = bloody;
    }
    void fill(int32_t kind, int32_t visibility = Unseen)
    {
        for (auto& column : world.map->tiles)
            for (Tile& tile : column)
                tile = Tile{kind, visibility, -1};
    }
    Tile& tile(int column, int row) { return world.map->tiles[column][row]; }
};
}

TEST_F(Perception, WalkSixPixelsATickTurnAtTheTargetNeverAimAtUnreachableGroundAndArePushedOutOfRock)
{
    world.placeOrk(0, 1000, 1000);
    horde.target[0]->y = 1100;
    for (int t = 1; t <= 12; ++t) {
        horde.update();
        ASSERT_EQ(horde.pos[0]->y, 1000 + 6 * t) << "tick " << t;
        ASSERT_EQ(horde.target[0]->y != 1100, t == 12) << "a new target once within 40 px";
    }
    // Rock reached only by the north probe, then a corner only the north-east probe reaches.
    for (auto [column, row, x, y, pushedX, pushedY] : {std::array{15, 15, 1000, 1030, 1000, 1045},
                                                       std::array{17, 14, 1074, 970, 1059, 985}}) {
        tile(column, row).kind = Rock;
        world.placeOrk(0, x, y);
        horde.moveOrk(0);
        EXPECT_EQ(horde.pos[0]->x, pushedX);
        EXPECT_EQ(horde.pos[0]->y, pushedY);
    }
    fill(Floor, Unreachable);
    horde.pickWanderTarget(0);
    EXPECT_EQ(horde.target[0]->distance(*horde.pos[0]), 0) << "no target on unreachable ground";
}

TEST_F(Perception, SurvivorsGrowKeenerAsOrksDieAndCloseOrksArePushedApartOnePerTick)
{
    horde.count = 3;
    world.placeOrk(0, 1000, 1000);
    world.placeOrk(1, 1030, 1000);
    world.placeOrk(2, 2000, 1000);
    horde.health[2] = 0;
    horde.attackTimer[0] = horde.attackTimer[1] = 50;  // both stand still
    horde.update();
    EXPECT_EQ(horde.pos[1]->x, 1060);
    horde.pos[1]->x = 1030;
    horde.update();
    horde.update();
    EXPECT_EQ(horde.pos[1]->x, 1030) << "ork 2 had its turn, then ork 0";
    EXPECT_EQ(horde.pos[0]->x, 970);
    EXPECT_EQ(horde.pos[2]->x, 2000) << "a corpse lies still";
    for (auto [count, dead, range, halfAngle, pause] :
         {std::array{7, 0, 200, 20, 17}, {7, 3, 307, 41, 15}, {49, 48, 444, 68, 12}}) {
        horde.count = count;
        for (int i = 0; i < count; ++i)
            horde.health[i] = i < dead ? 0 : 2;
        horde.update();
        EXPECT_EQ(horde.sightRange, range) << count << " orks, " << dead << " dead";
        EXPECT_EQ(horde.sightHalfAngle, halfAngle);
        EXPECT_EQ(horde.attackPause, pause);
    }
}

TEST_F(Perception, OrksSeeTheElfOutsideStealthStrikeOnlyWithin100AndStepLoudlyOnDebrisAndWater)
{
    horde.update();  // sight range 200, half-angle 20
    world.placeOrk(0, 1000, 1150);
    horde.target[0]->y = 900;  // looking toward the elf
    mouse_b = 2;
    horde.perceive(0);
    EXPECT_EQ(horde.chargeTimer[0], 0);
    mouse_b = 0;
    horde.perceive(0);
    EXPECT_EQ(horde.chargeTimer[0], 15);
    EXPECT_EQ(horde.target[0]->y, 1000);
    world.placeOrk(0, 1000, 1080);
    horde.health[0] = 0;
    horde.perceive(0);
    EXPECT_EQ(horde.attackTimer[0], 0) << "a corpse never winds up";
    // Stealth is held throughout: it does not hide the elf from a close ork.
    mouse_b = 2;
    for (double fled : {99.9, 100.0}) {
        ActorWorld w;
        w.placeElf(1000, 1000);
        w.listenAt(1000, 1000);
        w.placeOrk(0, 1000, 1080);
        const auto tick = [&] {  // the elf stands: only the ork moves and perceives
            w.horde->update();
            w.horde->perceive(0);
        };
        tick();
        ASSERT_EQ(w.horde->attackTimer[0], 17);
        w.placeElf(1000, 1080 - fled);
        for (int t = 1; t <= 6; ++t)
            tick();
        EXPECT_FALSE(w.elf->dead);
        EXPECT_EQ(w.horde->pos[0]->y, 1080) << "a winding-up ork stands";
        tick();
        EXPECT_EQ(w.elf->dead, fled < 100) << fled;
        EXPECT_EQ(w.sound->playedCount[fled < 100 ? 14 : 15], 1);
        EXPECT_EQ(w.sound->ringRange[0], 300.0);
    }
    world.listenAt(1000 + 650, 1000);  // 650 px: only debris 3 and 5 reach
    world.placeElf(3000, 3000);
    world.placeOrk(0, 1000, 1000);
    horde.attackTimer[0] = 5;
    for (int kind = 0; kind < 6; ++kind) {
        tile(15, 15).debris = kind;
        for (int phase : {1, 9}) {  // only 9 while winding up
            horde.stepTimer[0] = phase;
            horde.perceive(0);
        }
        EXPECT_EQ(world.sound->playedCount[kind], kind == 3 || kind == 5 ? 1 : 0) << "debris " << kind;
    }
    world.listenAt(1000 + 590, 1000);
    horde.attackTimer[0] = 0;
    horde.stepTimer[0] = 1;
    tile(15, 15).kind = Water;
    horde.perceive(0);
    EXPECT_EQ(world.sound->playedCount[6], 1) << "water";
}

TEST_F(Perception, FramesFollowAgeAndTimerTheElfSeesWhatIsAheadOrCloseAndEveryCorpseAndAllTurn)
{
    for (int k = 0; k < 3; ++k) {
        world.paint(horde.footprintSprites[k], 34, 26, Print[k]);
        world.paint(horde.orkSprites[k], 100, 110, Frame[k]);
    }
    world.paint(horde.bloodSprite, 34, 26, 0xff0000);
    world.placeOrk(0, 1000, 1000);
    for (auto [age, bloody, colour] : {std::array{91, 0, Print[0]}, {90, 0, Print[1]}, {61, 0, Print[1]},
                                       {60, 0, Print[2]}, {31, 0, Print[2]}, {30, 0, 0}, {31, 1, 0xff0000},
                                       {30, 1, 0}}) {
        clear_to_color(world.buffer, 0);
        putPrint(1 + age % 2, 1000, 1000, age, bloody);  // both feet
        horde.drawFootprint(*world.view, 0, 1 + age % 2);
        EXPECT_TRUE(shows(1000, 1000, colour)) << "age " << age << (bloody ? " bloody" : "");
    }
    world.paint(horde.deadSprite, 100, 110, 0x808080);
    world.elf->update();  // facing 0: looks toward -y, eye point 60 px below
    putPrint(1, 1000, 1080, 100);  // 80 px behind
    putPrint(3, 1100, 1040, 100);  // 108 px behind and aside
    putPrint(5, 1268, 665, 100);   // ahead: 477 px from the eye point, 34 degrees off
    horde.drawFootprints(*world.view);
    EXPECT_TRUE(shows(1000, 1080, Print[0]));
    EXPECT_TRUE(shows(1100, 1040, 0));
    EXPECT_TRUE(shows(1268, 665, Print[0]));
    // The ork's frame follows its attack timer; it shows close ahead of the elf or dead.
    for (auto [y, health, timer, colour] : {std::array{1000, 2, 12, Frame[1]}, {1000, 2, 11, Frame[2]},
                                            {1000, 2, 6, Frame[2]}, {1000, 2, 5, Frame[0]}, {1110, 2, 5, Frame[0]},
                                            {1130, 2, 5, 0}, {1300, 0, 5, 0x808080}}) {
        clear_to_color(world.buffer, 0);
        world.placeOrk(0, 1000, y);
        horde.health[0] = health;
        horde.attackTimer[0] = timer;
        horde.drawOrks(*world.view);
        EXPECT_TRUE(shows(1000, y, colour)) << "ork at y " << y << ", attack timer " << timer;
    }
    world.paint(horde.orkSprites[0], 100, 110, 0xffffff, 50, 10, false);  // nose 90 px above the pivot (50, 100)
    world.paint(horde.footprintSprites[0], 34, 26, 0xffffff, 2, 13, false);  // toe 15 px left of the pivot (17, 13)
    world.placeOrk(0, 1000, 1000);  // facing its target
    horde.target[0]->copyFrom(at(1300, 1400));  // along (0.6, 0.8)
    putPrint(1, 700, 800, 100);
    horde.footprintHeading[0][1] = 90;  // the art turns by 90 - 64 units: 36.6 degrees clockwise
    horde.drawOrk(*world.view, 0);
    horde.drawFootprint(*world.view, 0, 1);
    EXPECT_TRUE(shows(1000 + 54, 1000 + 72, 0xffffff));
    EXPECT_TRUE(shows(700 - 12, 800 - 9, 0xffffff));
}

TEST_F(Perception, ConesExcludeTheirEdgeRaysNeedRockOnBothSidesAndRevealSamplesHalfATileOff)
{
    // Facing -90: the apex lies left of its aim, so the cone opens toward +x.
    EXPECT_TRUE(sight.inCone(at(0, 0), at(100, 0), -90, 100, 10));
    EXPECT_FALSE(sight.inCone(at(0, 0), at(100.001, 0), -90, 100, 10));
    EXPECT_FALSE(sight.inCone(at(0, 0), at(-50, 0), -90, 100, 10)) << "behind the viewer";
    // Facing 0 looks up the screen: (30, -40) lies acos(0.8) off the axis.
    const double edge = std::acos(0.8) * 57.29579;
    EXPECT_FALSE(sight.inCone(at(0, 0), at(30, -40), 0, 100, edge));
    EXPECT_FALSE(sight.inCone(at(0, 0), at(-30, -40), 0, 100, edge)) << "the mirror side";
    EXPECT_TRUE(sight.inCone(at(0, 0), at(-30, -40), 0, 100, edge + 1e-9));
    fill(Rock);
    EXPECT_FALSE(sight.isBlocked(at(3200, 3200), at(3200, 3299.9)));
    EXPECT_FALSE(sight.isBlocked(at(3200, 3200), at(3200, 3300))) << "no step is taken below d";
    EXPECT_TRUE(sight.isBlocked(at(3200, 3200), at(3200, 3300.1)));
    fill(Floor);
    EXPECT_FALSE(sight.isBlocked(at(3200, 3200), at(3200, 3800)));
    EXPECT_TRUE(sight.isBlocked(at(3200, 3200), at(3200, 3800.1)));

    // Along the diagonal through the corner shared by tiles (50, 50) and (51, 51).
    tile(51, 50).kind = Rock;  // beside the diagonal: only one ray enters it
    EXPECT_FALSE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));
    tile(50, 51).kind = Rock;  // two rocks meeting at the corner close the gap
    EXPECT_TRUE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));
    sight.reveal(at(640, 640), 0, 2000, 181);
    // Samples sit at 640 + 32 + 64 i: within 600 px that is columns 1 to 18
    // along the viewer's row.
    EXPECT_EQ(tile(0, 10).visibility, Unseen);
    EXPECT_EQ(tile(1, 10).visibility, InSight);
    EXPECT_EQ(tile(19, 10).visibility, Unseen);

    fill(Floor);
    tile(10, 9).visibility = Seen;
    sight.reveal(at(640, 640), 180, 600, 0);  // a closed cone still shows the samples within 64 px
    EXPECT_EQ(tile(9, 9).visibility, InSight);
    EXPECT_EQ(tile(10, 11).visibility, Unseen);
    EXPECT_EQ(tile(10, 9).visibility, InSight);
    world.listenAt(500, 550);  // origin (100, 200)
    for (auto [x, y, on] : {std::tuple{100.0, 200.0, true}, {900.0, 900.0, true}, {99.9, 500.0, false},
                            {900.1, 500.0, false}, {500.0, 199.9, false}, {500.0, 900.1, false}})
        EXPECT_EQ(world.view->isOnScreen(at(x, y)), on) << x << ", " << y;
}

