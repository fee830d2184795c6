#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "perception/View.h"
#include "sound/SoundBoard.h"
#include "support/Point.h"
#include "support/ScratchDirectory.h"

namespace {
// The view's origin is (0, 0), so the listener stands at (400, 350).
struct Board : testing::Test {
    View view;
    SoundBoard board;
    Board() { board.view = &view; }
    int ringsInUse() const
    {
        int busy = 0;
        for (int level : board.ringLevel)
            busy += level != 0;
        return busy;
    }
};
}

TEST(SoundBoardLoading, EachIndexLoadsItsOwnCopyOfItsBackslashNamedFile)
{
    SoundBoard board;
    const char* expected[SoundBoard::SampleCount] = {"bone",   "bone", "bone",  "glass", "glass", "ducky",
                                                     "splash", "warg", "splat", "splat", "splat", "splat",
                                                     "splat",  "splat", "splat", "glass"};
    for (int i = 0; i < SoundBoard::SampleCount; ++i) {
        SAMPLE* file = load_wav(("sounds/" + std::string(expected[i]) + ".wav").c_str());
        ASSERT_TRUE(file && board.samples[i]) << "index " << i;
        EXPECT_TRUE(board.samples[i]->len == file->len
                    && std::memcmp(board.samples[i]->data, file->data, file->len * 2) == 0)
            << "index " << i << " is not " << expected[i];
        EXPECT_TRUE(i == 0 || board.samples[i] != board.samples[i - 1]) << "each index has its own copy";
        destroy_sample(file);
    }
    EXPECT_STREQ(SoundBoard::sampleFiles[5], "sounds\\ducky.wav");
    char tiny[8];
    EXPECT_STREQ(portablePath("sounds\\bone.wav", tiny, sizeof tiny), "sounds/") << "cut short, still terminated";
}

TEST(SoundBoardLoading, MissingSamplesAreSkippedButStillShowARing)
{
    ScratchDirectory scratch;  // no sounds directory at all
    View view;
    SoundBoard board;
    board.view = &view;
    EXPECT_EQ(board.samples[7], nullptr);
    board.playAt(at(500, 350), 600, 7);
    EXPECT_EQ(board.playedCount[7], 1);
    EXPECT_EQ(board.ringLevel[0], 42);
}

TEST_F(Board, LevelVolumeAndStartRadiusFollowDistanceFromTheScreenCentre)
{
    board.playAt(at(500, 350), 600, 1);
    EXPECT_EQ(board.ringLevel[0], 42);
    EXPECT_EQ(board.lastVolume, 213);
    EXPECT_EQ(board.ringRadius[0], 0.0);
    EXPECT_EQ(board.ringRange[0], 600.0);

    board.playAt(at(400, 750), 600, 2);  // farther: takes over the nearer sound's ring
    EXPECT_EQ(board.ringLevel[0], 170);
    EXPECT_EQ(board.lastVolume, 85);
    EXPECT_EQ(board.ringRadius[0], 175.0);
    EXPECT_EQ(board.ringCenter[0]->y, 750);
    EXPECT_EQ(board.ringLevel[1], 0);

    view.origin->x = -1000;
    view.origin->y = 2000;
    board.playAt(at(-600 + 100, 2350), 600, 6);
    EXPECT_EQ(board.lastVolume, 213) << "heard from the centre of the screen";
}

TEST_F(Board, ExactlyAtRangeIsSilentButRingedAndBeyondOrAtTheListenerIsNothing)
{
    board.playAt(at(400 + 450, 350), 450, 10);
    EXPECT_EQ(board.ringLevel[0], 255);
    EXPECT_EQ(board.lastVolume, 0);
    EXPECT_EQ(board.playedCount[10], 1);

    board.playAt(at(400 + 450.01, 350), 450, 10);
    board.playAt(at(400, 351), 600, 3);  // closer than range / 255
    board.playAt(at(500, 350), 600, 16);
    board.playAt(at(500, 350), 600, -1);
    EXPECT_EQ(board.playedCount[10], 1);
    EXPECT_EQ(board.playedCount[3], 0);
    EXPECT_EQ(ringsInUse(), 1);
}

TEST_F(Board, FartherSoundsTakeOverNearerRingsWhenAllAreBusy)
{
    for (int k = 0; k < SoundBoard::RingCount; ++k)
        board.playAt(at(500, 350), 600, 4);  // level 42 each
    EXPECT_EQ(ringsInUse(), 20);

    board.playAt(at(500, 350), 600, 5);  // equal level: no ring lower
    board.playAt(at(450, 350), 600, 5);  // nearer: level 21
    EXPECT_EQ(board.playedCount[5], 0);

    board.ringLevel[3] = 30;
    board.playAt(at(400, 550), 600, 5);  // level 85 takes the first lower ring
    EXPECT_EQ(board.playedCount[5], 1);
    EXPECT_EQ(board.ringLevel[0], 85);
    EXPECT_EQ(board.ringLevel[3], 30);
}

TEST_F(Board, ARingGrowsUntilPastItsRangeThenFrees)
{
    board.playAt(at(500, 350), 300, 14);
    for (int tick = 1; tick <= 16; ++tick) {
        board.updateRings();
        EXPECT_EQ(board.ringRadius[0], 20.0 * tick);
        EXPECT_NE(board.ringLevel[0], 0) << "tick " << tick;
    }
    board.updateRings();
    EXPECT_EQ(board.ringLevel[0], 0);
}
