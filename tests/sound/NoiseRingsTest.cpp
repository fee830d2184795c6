#include <gtest/gtest.h>

#include "perception/View.h"
#include "sound/SoundBoard.h"
#include "support/Headless.h"

namespace {
// Origin (0, 0): world and screen agree, and the 350 x 350 window spans
// screen x 225..574, y 175..524.
constexpr int Left = 225;
constexpr int Top = 175;

struct Rings : testing::Test {
    BITMAP* buffer = create_bitmap(800, 700);
    View view;
    SoundBoard board;
    int ringColour = headless::rgb16(240, 200, 200);

    Rings()
    {
        clear_to_color(buffer, makecol(0, 0, 0));
        view.setBuffer(buffer);
        board.view = &view;
    }
    ~Rings() override { destroy_bitmap(buffer); }

    void open(int k, double x, double y, double radius, int level)
    {
        board.ringCenter[k]->x = x;
        board.ringCenter[k]->y = y;
        board.ringRadius[k] = radius;
        board.ringLevel[k] = level;
    }
    // Ring pixels in the window-relative box [x0, x1) x [y0, y1).
    int ringPixels(int x0, int y0, int x1, int y1)
    {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                count += headless::rgbAt(buffer, Left + x, Top + y) == ringColour;
        return count;
    }
};
}

TEST_F(Rings, CircleShowsInsideTheOctagonOnly)
{
    // Centred on the window's top-left corner: the arc crosses the cut corner
    // near the axes and the open window near the diagonal.
    open(0, Left, Top, 100, 200);
    board.drawRings();
    EXPECT_GT(ringPixels(65, 65, 76, 76), 0) << "on the diagonal, inside the octagon";
    EXPECT_EQ(ringPixels(0, 0, 104 - 2, 2), 0) << "near the top edge, in the cut corner";
    EXPECT_EQ(ringPixels(0, 0, 2, 104 - 2), 0) << "near the left edge, in the cut corner";
    EXPECT_EQ(ringPixels(-200, -175, 0, 350), 0) << "nothing left of the window";
}

TEST_F(Rings, QuietRingsAreNotDrawnAndTheWindowFollowsTheCamera)
{
    rectfill(buffer, 0, 0, 799, 699, makecol(10, 20, 30));
    view.origin->x = 1000;
    view.origin->y = -500;
    open(0, 1400, -150, 50, 3);   // world point at the screen centre
    open(1, 1400, -150, 220, 200);  // beyond the square window
    board.drawRings();
    EXPECT_EQ(ringPixels(0, 0, 350, 350), 0);
    EXPECT_EQ(headless::rgbAt(buffer, 400 + 220, 350), headless::rgb16(10, 20, 30));

    open(0, 1400, -150, 50, 4);
    board.drawRings();
    EXPECT_EQ(headless::rgbAt(buffer, 450, 350), ringColour);
    EXPECT_EQ(headless::rgbAt(buffer, 400, 350), headless::rgb16(10, 20, 30)) << "the window's mask is transparent";
}
