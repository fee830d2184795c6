#include <gtest/gtest.h>

#include <allegro.h>

#include <cmath>
#include <limits>

#include "perception/View.h"
#include "world/TileMap.h"

namespace {
// The ground as drawn with the camera at (originX, 0), on a dirt picture of
// vertical stripes one pixel wide, so that every scroll offset looks
// different.
int groundPixel(TileMap& map, double originX)
{
    View view;
    view.setBuffer(create_bitmap(SCREEN_W, SCREEN_H));
    view.origin->x = originX;
    map.drawGround(view);
    const int pixel = getpixel(view.buffer, 100, 100);
    destroy_bitmap(view.buffer);
    return pixel;
}
}

// The scroll offset repeats every tile for any origin, even past 32 bits, and
// an origin that is not a number draws as if it were 0.
TEST(FarOrigin, TheGroundScrollsAlikeOnEveryTileEvenFarOff)
{
    TileMap map;
    map.dirt = create_bitmap(128, 128);
    for (int x = 0; x < 128; ++x)
        vline(map.dirt, x, 0, 127, x);  // a different 16-bit colour in every column
    const double farTile = std::ldexp(TileMap::TileSize, 40);
    for (double within : {0.0, 17.0, 40.0})
        EXPECT_EQ(groundPixel(map, farTile + within), groundPixel(map, within));
    EXPECT_EQ(groundPixel(map, std::numeric_limits<double>::quiet_NaN()), groundPixel(map, 0.0));
    EXPECT_EQ(groundPixel(map, std::numeric_limits<double>::infinity()), groundPixel(map, 0.0));
}
