#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <numeric>
#include <string>
#include <tuple>

#include "support/ActorWorld.h"

// The view's origin is (0, 0), so the listener stands at (400, 350).
TEST(Sound, LevelVolumeAndRadiusFollowTheDistanceOnlyAFartherSoundTakesABusyRingAndRingsFreePastTheirRange)
{
    ActorWorld world;
    world.listenAt(400, 350);
    SoundBoard& board = *world.sound;
    // The second sound is farther and takes over the first one's ring; the
    // radius starts at 175 from 195 px on; the last is exactly at its range.
    for (auto [x, y, range, k, level, volume, radius] :
         {std::tuple{500.0, 350.0, 600, 0, 42, 213, 0.0}, {400.0, 750.0, 600, 0, 170, 85, 175.0},
          {400.0, 544.9, 600, 1, 82, 173, 0.0}, {400.0, 545.0, 600, 2, 82, 173, 175.0},
          {850.0, 350.0, 450, 0, 255, 0, 175.0}}) {
        board.playAt(at(x, y), range, 2);
        EXPECT_EQ(board.ringLevel[k], level) << x << "," << y;
        EXPECT_EQ(board.lastVolume, volume) << x << "," << y;
        EXPECT_EQ(board.ringRadius[k], radius) << x << "," << y;
    }
    EXPECT_EQ(board.ringCenter[0]->x, 850);
    board.playAt(at(400, 351), 600, 3);  // closer than range / 255
    EXPECT_EQ(board.playedCount[3], 0);
    EXPECT_EQ(board.ringLevel[3], 0);
    for (int k = 0; k < SoundBoard::RingCount; ++k)
        board.ringLevel[k] = 0;  // every ring free again
    for (int k = 0; k < SoundBoard::RingCount; ++k)
        board.playAt(at(500, 350), 300, 4);  // level 85 each
    board.playAt(at(500, 350), 300, 5);   // equal level: no ring lower
    board.playAt(at(450, 350), 300, 5);   // nearer
    EXPECT_EQ(board.playedCount[5], 0);
    board.ringLevel[3] = 30;
    board.playAt(at(400, 550), 600, 5);  // level 85 again: only ring 3 is lower
    EXPECT_EQ(board.playedCount[5], 1);
    EXPECT_EQ(board.ringRange[3], 600);

    for (int tick = 1; tick <= 16; ++tick)
        board.updateRings();
    EXPECT_EQ(board.ringRadius[0], 320.0) << "20 px a tick, the last from 300";
    board.updateRings();
    EXPECT_EQ(board.ringLevel[0], 0);
}

namespace {
// What the player hears: every event happens at (1000, 1000), where ork 0
// stands.
void stepOn(ActorWorld& w, int debris, int kind = Floor)
{
    w.map->tiles[15][15] = Tile{kind, Seen, debris};
    w.horde->stepTimer[0] = 1;
    w.horde->perceive(0);
}
// A dagger thrown up from (1000, 950) stops there and is heard a step back.
void throwInto(ActorWorld& w, int kind)
{
    w.map->tiles[15][14].kind = kind;
    w.placeOrk(0, 1000, kind == Rock ? 3000 : 950);
    w.elf->daggers->throwDagger(at(1000, 950), 0.0);
    w.elf->daggers->update();
}
void strikeAt(ActorWorld& w, double elfY)
{
    w.placeElf(1000, elfY);
    w.horde->attackTimer[0] = 10;
    w.horde->perceive(0);
}
// Whether the sample holds the sound of that file.
bool holds(SAMPLE* sample, const char* file)
{
    SAMPLE* expected = load_wav((std::string("sounds/") + file + ".wav").c_str());
    const bool same = sample && expected && sample->len == expected->len
                   && std::memcmp(sample->data, expected->data, sample->len * 2) == 0;
    destroy_sample(expected);
    return same;
}
}

// Each event is heard out to its range from the screen's centre, at volume 0
// at the very edge, and not one pixel beyond.
TEST(Heard, EachEventPlaysItsSampleOutToItsRangeAndNotOnePixelBeyond)
{
    const struct {
        void (*make)(ActorWorld&);
        int sample;
        const char* file;  // what the player hears
        double range;
    } events[] = {
        {[](ActorWorld& w) { stepOn(w, 0); }, FirstDebrisStep, nullptr, 400},
        {[](ActorWorld& w) { stepOn(w, 1); }, FirstDebrisStep + 1, "bone", 500},
        {[](ActorWorld& w) { stepOn(w, 2); }, FirstDebrisStep + 2, "bone", 600},
        {[](ActorWorld& w) { stepOn(w, 3); }, FirstDebrisStep + 3, "glass", 700},
        {[](ActorWorld& w) { stepOn(w, 4); }, FirstDebrisStep + 4, "glass", 600},
        {[](ActorWorld& w) { stepOn(w, 5); }, FirstDebrisStep + 5, "ducky", 700},
        {[](ActorWorld& w) { stepOn(w, -1, Water); }, WaterStep, "splash", 600},
        {[](ActorWorld& w) { throwInto(w, Rock); }, DaggerHitsRock, "splat", 450},
        {[](ActorWorld& w) { throwInto(w, Floor); }, DaggerHitsOrk, "warg", 600},
        {[](ActorWorld& w) { strikeAt(w, 1050); }, StrikeLands, "splat", 300},
        {[](ActorWorld& w) { strikeAt(w, 1100); }, StrikeMisses, "glass", 300},
    };
    for (const auto& e : events)
        for (double beyond : {0.0, 1.0}) {
            ActorWorld world;
            world.listenAt(1000 + e.range + beyond, 1000);
            world.placeOrk(0, 1000, 1000);
            e.make(world);
            const bool heard = e.file && beyond == 0;
            const auto& counts = world.sound->playedCount;
            const int played = std::accumulate(std::begin(counts), std::end(counts), 0);
            EXPECT_EQ(played, heard ? 1 : 0) << "sample " << e.sample << ", " << beyond << " px beyond";
            EXPECT_EQ(world.sound->playedCount[e.sample], heard ? 1 : 0) << "sample " << e.sample << ", " << beyond;
            EXPECT_TRUE(!heard || holds(world.sound->samples[e.sample], e.file)) << "sample " << e.sample;
            EXPECT_EQ(world.sound->lastVolume, heard ? 0 : -1) << "sample " << e.sample;
        }
}
// Over one 17-tick step cycle a walking ork is heard at its phases 9 and 1,
// eight ticks apart; one winding up a strike only at 9; a corpse never.
TEST(Heard, AWalkingOrkSoundsTwiceAStepCycleOneWindingUpOnceACorpseNever)
{
    for (auto [health, attackTimer, expected] : {std::tuple{2, 0, "7 15 "}, {2, 100, "7 "}, {0, 0, ""}}) {
        ActorWorld world;
        world.listenAt(1150, 1000);
        for (int column = 15; column < 18; ++column)  // the ork walks 102 px along row 15
            world.map->tiles[column][15].debris = 3;
        world.placeOrk(0, 1000, 1000);
        world.horde->target[0]->x = 2000;
        world.horde->health[0] = health;
        world.horde->attackTimer[0] = attackTimer;
        world.horde->stepTimer[0] = 0;  // wraps to 16 on the first tick
        std::string heard;
        for (int tick = 0; tick < 17; ++tick) {
            const int before = world.sound->playedCount[FirstDebrisStep + 3];
            world.horde->update();
            world.horde->perceive(0);
            heard += world.sound->playedCount[FirstDebrisStep + 3] > before ? std::to_string(tick) + " " : "";
        }
        EXPECT_EQ(heard, std::string(expected)) << "health " << health << ", attack timer " << attackTimer;
    }
}
