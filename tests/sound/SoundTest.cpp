#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/ActorWorld.h"
#include "support/Headless.h"
#include "support/Point.h"

namespace {
// The view's origin is (0, 0), so the listener stands at (400, 350) and the
// 350 x 350 ring window spans screen x 225..574, y 175..524.
struct Sound : testing::Test {
    ActorWorld world;
    SoundBoard& board = *world.sound;

    Sound() { world.listenAt(400, 350); }
    void expectRing(int k, int level, int volume, double radius)
    {
        EXPECT_EQ(board.ringLevel[k], level);
        EXPECT_EQ(board.lastVolume, volume);
        EXPECT_EQ(board.ringRadius[k], radius);
    }
    // Ring pixels in the window-relative box [x0, x1) x [y0, y1).
    int ringPixels(int x0, int y0, int x1, int y1)
    {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                count += headless::rgbAt(world.buffer, 225 + x, 175 + y) == headless::rgb16(240, 200, 200);
        return count;
    }
};
}

TEST(SoundBoardLoading, EachIndexLoadsItsOwnCopyOfItsFile)
{
    SoundBoard board;
    const char* expected[SoundBoard::SampleCount] = {"bone",  "bone",  "bone",  "glass", "glass", "ducky",
                                                     "splash", "warg", "splat", "splat", "splat", "splat",
                                                     "splat", "splat", "splat", "glass"};
    for (int i = 0; i < SoundBoard::SampleCount; ++i) {
        SAMPLE* file = load_wav(("sounds/" + std::string(expected[i]) + ".wav").c_str());
        ASSERT_TRUE(file && board.samples[i]) << "index " << i;
        EXPECT_TRUE(board.samples[i]->len == file->len
                    && std::memcmp(board.samples[i]->data, file->data, file->len * 2) == 0)
            << "index " << i << " is not " << expected[i];
        EXPECT_TRUE(i == 0 || board.samples[i] != board.samples[i - 1]) << "each index has its own copy";
        destroy_sample(file);
    }
}

TEST_F(Sound, LevelVolumeAndRadiusFollowTheDistanceOnlyAFartherSoundTakesABusyRingAndRingsFreePastTheirRange)
{
    board.playAt(at(500, 350), 600, 1);
    expectRing(0, 42, 213, 0.0);
    board.playAt(at(400, 750), 600, 2);  // farther: takes over the nearer sound's ring
    expectRing(0, 170, 85, 175.0);
    EXPECT_EQ(board.ringCenter[0]->y, 750);
    board.playAt(at(400, 350 + 194.9), 600, 2);
    expectRing(1, 82, 173, 0.0);
    board.playAt(at(400, 350 + 195), 600, 2);
    expectRing(2, 82, 173, 175.0);
    board.playAt(at(400 + 450, 350), 450, 10);  // exactly at the range: takes the first ring
    expectRing(0, 255, 0, 175.0);
    EXPECT_EQ(board.playedCount[10], 1);
    board.playAt(at(400 + 450.01, 350), 450, 10);
    board.playAt(at(400, 351), 600, 3);  // closer than range / 255
    EXPECT_EQ(board.playedCount[10] + board.playedCount[3], 1);
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

    for (int tick = 1; tick <= 16; ++tick) {
        board.updateRings();
        ASSERT_EQ(board.ringRadius[0], 20.0 * tick);
        ASSERT_NE(board.ringLevel[0], 0) << "tick " << tick;
    }
    board.updateRings();
    EXPECT_EQ(board.ringLevel[0], 0);
}

TEST_F(Sound, RingsShowInsideTheOctagonOnlyAndOnlyAboveLevelThree)
{
    // Centred on the window's top-left corner: the arc crosses the cut corner
    // near the axes and the open window near the diagonal.
    board.ringCenter[0]->copyFrom(at(225, 175));
    board.ringRadius[0] = 100;
    board.ringLevel[0] = 4;
    board.ringCenter[1]->copyFrom(at(400, 350));
    board.ringRadius[1] = 50;
    board.ringLevel[1] = 3;
    board.drawRings();
    EXPECT_GT(ringPixels(65, 65, 76, 76), 0) << "on the diagonal, inside the octagon";
    EXPECT_EQ(ringPixels(0, 0, 102, 2), 0) << "near the top edge, in the cut corner";
    EXPECT_EQ(ringPixels(0, 0, 2, 102), 0) << "near the left edge, in the cut corner";
    EXPECT_EQ(ringPixels(-200, -175, 0, 350), 0) << "nothing left of the window";
    EXPECT_EQ(ringPixels(100, 100, 250, 250), 0) << "a ring of level 3";
}
