#include <gtest/gtest.h>

#include <allegro.h>

#include <cstring>
#include <memory>

#include "perception/View.h"
#include "world/FastSprite.h"
#include "world/TileMap.h"

namespace {
// Noise with about a third of its pixels in the mask colour.
BITMAP* speckled(int w, int h, unsigned seed)
{
    BITMAP* picture = create_bitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = static_cast<int>((seed >> 8) & 0xFFFF);
            putpixel(picture, x, y, (seed >> 16) % 3 == 0 ? makecol(255, 0, 255) : noise);
        }
    return picture;
}

bool samePixels(BITMAP* a, BITMAP* b)
{
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(a->line[y], b->line[y], a->w * 2) != 0)
            return false;
    return true;
}
}

TEST(FastSprite, SamePixelsAsDrawSpriteAcrossEveryEdgeAndInsideAClipRectangle)
{
    BITMAP* picture = speckled(40, 30, 3);
    BITMAP* background = speckled(100, 80, 5);
    BITMAP* plain = create_bitmap(100, 80);
    BITMAP* fast = create_bitmap(100, 80);
    for (bool narrowed : {false, true})
        for (int x : {-45, -39, -12, 0, 33, 61, 99, 100})
            for (int y : {-45, -29, 0, 1, 61, 79, 80}) {
                for (BITMAP* target : {plain, fast}) {
                    blit(background, target, 0, 0, 0, 0, 100, 80);
                    set_clip_rect(target, narrowed ? 5 : 0, narrowed ? 7 : 0, narrowed ? 90 : 99, narrowed ? 70 : 79);
                }
                draw_sprite(plain, picture, x, y);
                drawSpriteFast(fast, picture, x, y);
                EXPECT_TRUE(samePixels(plain, fast)) << "at (" << x << ", " << y << ")" << (narrowed ? " clipped" : "");
            }
    for (BITMAP* b : {picture, background, plain, fast})
        destroy_bitmap(b);
}

TEST(FastSprite, ChecksEachNewPictureForMaskPixels)
{
    BITMAP* solid = create_bitmap(16, 16);
    clear_to_color(solid, makecol(10, 200, 30));
    BITMAP* holed = create_bitmap(16, 16);
    clear_to_color(holed, makecol(200, 10, 30));
    putpixel(holed, 3, 4, makecol(255, 0, 255));
    BITMAP* target = create_bitmap(32, 32);
    FastSprite sprite;
    sprite.draw(target, solid, 0, 0);
    sprite.draw(target, holed, 0, 0);
    EXPECT_EQ(getpixel(target, 3, 4), makecol(10, 200, 30)) << "the hole shows what lay beneath";
    EXPECT_EQ(getpixel(target, 4, 4), makecol(200, 10, 30));
    sprite.draw(target, nullptr, 0, 0);
    sprite.draw(nullptr, solid, 0, 0);
    for (BITMAP* b : {solid, holed, target})
        destroy_bitmap(b);
}

// Tile quarters take pictures of up to 128 px; a larger one is drawn
// picture by picture, still 32 px up and left of its tile.
TEST(FastSprite, OversizedFogIsDrawnWholeAtItsTile)
{
    std::unique_ptr<TileMap> map(new TileMap());
    map->loadTextures(nullptr);
    destroy_bitmap(map->fog);
    for (auto& column : map->tiles)
        for (Tile& tile : column)
            tile.visibility = InSight;
    map->tiles[5][5].visibility = Unseen;
    map->fog = create_bitmap(140, 140);
    clear_to_color(map->fog, makecol(20, 20, 40));
    BITMAP* buffer = create_bitmap(800, 700);
    clear_to_color(buffer, 0);
    View view;
    view.setBuffer(buffer);
    map->drawFog(view);
    const int corner = 5 * TileMap::TileSize;
    EXPECT_EQ(getpixel(buffer, corner - 32, corner - 32), makecol(20, 20, 40));
    EXPECT_EQ(getpixel(buffer, corner + 107, corner + 107), makecol(20, 20, 40));
    EXPECT_EQ(getpixel(buffer, corner + 108, corner + 20), 0);
    EXPECT_EQ(getpixel(buffer, corner - 33, corner + 20), 0);
    destroy_bitmap(buffer);
}
