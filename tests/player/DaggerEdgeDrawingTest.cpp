#include <gtest/gtest.h>

#include <allegro.h>

#include "perception/View.h"
#include "player/DaggerSet.h"
#include "support/Headless.h"

// A dagger lying just left of the screen still shows its tip. Allegro's
// inline pivot_sprite shifts the negative screen point, which the
// sanitizer build rejects as undefined; the dagger drawing must not.
TEST(DaggerEdgeDrawing, ADaggerLeftOfTheScreenDrawsItsVisiblePartWithoutUndefinedShifts)
{
    BITMAP* buffer = create_bitmap(headless::ScreenWidth, headless::ScreenHeight);
    BITMAP* sprite = create_bitmap(32, 32);
    ASSERT_TRUE(buffer && sprite);
    const int black = makecol(0, 0, 0);
    const int blade = makecol(200, 200, 255);
    clear_to_color(buffer, black);
    clear_to_color(sprite, blade);

    View view;
    view.setBuffer(buffer);
    DaggerSet set;
    set.sprite = sprite;
    set.state[0] = Lying;
    set.heading[0] = 0.0;
    set.position[0]->x = -8.0;  // pivot (16, 16): the right half reaches x 0 to 7
    set.position[0]->y = 300.0;
    set.state[1] = Lying;
    set.position[1]->x = 400.0;
    set.position[1]->y = -8.0;
    set.draw(view);

    EXPECT_EQ(getpixel(buffer, 0, 300), blade);
    EXPECT_EQ(getpixel(buffer, 7, 300), blade);
    EXPECT_EQ(getpixel(buffer, 9, 300), black);
    EXPECT_EQ(getpixel(buffer, 400, 0), blade);
    EXPECT_EQ(getpixel(buffer, 400, 9), black);
    destroy_bitmap(sprite);
    destroy_bitmap(buffer);
}
