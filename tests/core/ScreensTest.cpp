#include <gtest/gtest.h>

#include <allegro.h>

#include <memory>

#include "core/Screens.h"
#include "perception/View.h"
#include "support/Headless.h"

namespace {

class ScreensTest : public testing::Test {
protected:
    void SetUp() override
    {
        buffer = create_bitmap(800, 700);
        clear_to_color(buffer, makecol(0, 0, 255));
        view.setBuffer(buffer);
        screens.reset(new Screens());
    }
    void TearDown() override
    {
        screens.reset();
        destroy_bitmap(buffer);
    }
    static BITMAP* solidIcon(int w, int h, int colour)
    {
        BITMAP* icon = create_bitmap(w, h);
        clear_to_color(icon, colour);
        return icon;
    }
    int at(int x, int y) { return headless::rgbAt(buffer, x, y); }

    BITMAP* buffer = nullptr;
    View view;
    std::unique_ptr<Screens> screens;
};

const int Red = 0xff0000;
const int Black = 0x000000;

}

TEST_F(ScreensTest, DeathBannerIsRedWithBlackText)
{
    BITMAP* banner = screens->deathBanner;
    ASSERT_EQ(banner->w, 800);
    ASSERT_EQ(banner->h, 32);
    EXPECT_EQ(headless::rgbAt(banner, 799, 31), Red);
    int blackPixels = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 800; ++x)
            blackPixels += headless::rgbAt(banner, x, y) == Black;
    EXPECT_GT(blackPixels, 500) << "both lines of text are drawn";
}

TEST_F(ScreensTest, HudHeadsRunFromTheLeftDaggersFromTheRightAndGravesAroundFiveEighths)
{
    screens->drawHud(0, 7, 0, 10, 0, view);
    for (int x = 0; x < 800; x += 7)
        ASSERT_EQ(at(x, 5), Red) << "an empty strip is plain red";
    EXPECT_NE(at(0, 32), Red) << "the strip is 32 pixels high";

    screens->headIcon = solidIcon(2, 2, makecol(0, 255, 0));
    screens->daggerIcon = solidIcon(2, 2, makecol(0, 0, 255));
    screens->graveIcon = solidIcon(2, 2, makecol(255, 255, 0));
    screens->drawHud(3, 49, 2, 10, 3, view);
    for (int x : {0, 8, 16})
        EXPECT_EQ(at(x, 0), 0x00ff00) << x;
    EXPECT_EQ(at(24, 0), Red) << "only living orks get a head";
    for (int x : {800 - 19, 800 - 38})
        EXPECT_EQ(at(x, 0), 0x0000ff) << x;
    EXPECT_EQ(at(800 - 57, 0), Red);
    for (int x : {528, 471, 414})
        EXPECT_EQ(at(x, 0), 0xffff00) << x;
    EXPECT_EQ(at(527, 0), Red);
    EXPECT_EQ(at(530, 0), Red);
}

TEST_F(ScreensTest, PanelsCoverTheMiddleOnlyOutsidePlayWithTheIntroPictureRightAlignedAndCentred)
{
    screens->state = Playing;
    screens->drawPanel(view);
    EXPECT_EQ(at(400, 350), 0x0000ff);

    screens->state = Victory;
    screens->drawPanel(view);
    EXPECT_EQ(at(90, 90), Black);
    EXPECT_EQ(at(710, 610), Black);
    EXPECT_EQ(at(89, 300), 0x0000ff);
    EXPECT_EQ(at(711, 300), 0x0000ff);
    EXPECT_EQ(at(300, 611), 0x0000ff);
    bool gameOverDrawn = false;
    for (int x = 360; x < 440; ++x)
        gameOverDrawn = gameOverDrawn || at(x, 560) == headless::rgb16(200, 200, 200);
    EXPECT_TRUE(gameOverDrawn);

    screens->introPicture = solidIcon(100, 50, makecol(0, 255, 0));
    screens->state = Intro;
    screens->drawPanel(view);
    EXPECT_EQ(at(709, 325), 0x00ff00);
    EXPECT_EQ(at(610, 374), 0x00ff00);
    EXPECT_EQ(at(609, 350), Black);
    EXPECT_EQ(at(650, 324), Black);
}
