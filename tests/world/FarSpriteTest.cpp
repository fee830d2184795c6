#include <gtest/gtest.h>

#include <allegro.h>

#include <climits>

#include "world/FastSprite.h"

// Clipping must happen before any pointer is formed or any coordinate sum
// can overflow: at the extremes nothing is drawn and nothing is reported.
TEST(FarSprite, DrawsNothingAtTheFarthestPlacesAndClipsALeftOverhang)
{
    BITMAP* target = create_bitmap(16, 8);
    BITMAP* sprite = create_bitmap(4, 4);
    clear_to_color(target, makecol(0, 0, 0));
    clear_to_color(sprite, makecol(255, 255, 255));
    for (int x : {INT_MIN, INT_MAX})
        for (int y : {INT_MIN, 0, INT_MAX}) {
            drawSpriteFast(target, sprite, x, y);
            drawSpriteFast(target, sprite, y, x);
        }
    EXPECT_EQ(getpixel(target, 0, 0), makecol(0, 0, 0));
    drawSpriteFast(target, sprite, -3, 0);
    EXPECT_EQ(getpixel(target, 0, 0), makecol(255, 255, 255));
    EXPECT_EQ(getpixel(target, 1, 0), makecol(0, 0, 0));
    destroy_bitmap(sprite);
    destroy_bitmap(target);
}
