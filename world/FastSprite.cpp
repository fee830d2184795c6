#include "world/FastSprite.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int HighColour = 16;

bool isHighColourMemory(BITMAP* bitmap)
{
    return is_memory_bitmap(bitmap) && bitmap_color_depth(bitmap) == HighColour;
}
}

int maskColour()
{
    return makecol(MaskRed, MaskGreen, MaskBlue);
}

void drawSpriteFast(BITMAP* target, BITMAP* sprite, int x, int y)
{
    if (!isHighColourMemory(target) || !isHighColourMemory(sprite)) {
        draw_sprite(target, sprite, x, y);
        return;
    }
    // Clip in 64 bits first, then form pointers only to pixels that exist.
    const int64_t firstColumn = std::max<int64_t>(0, int64_t{target->cl} - x);
    const int64_t lastColumn = std::min<int64_t>(sprite->w, int64_t{target->cr} - x);
    const int64_t firstRow = std::max<int64_t>(0, int64_t{target->ct} - y);
    const int64_t lastRow = std::min<int64_t>(sprite->h, int64_t{target->cb} - y);
    const uint16_t mask = bitmap_mask_color(sprite);
    for (int64_t row = firstRow; row < lastRow; ++row) {
        const uint16_t* from = reinterpret_cast<const uint16_t*>(sprite->line[row]) + firstColumn;
        uint16_t* to = reinterpret_cast<uint16_t*>(target->line[y + row]) + (x + firstColumn);
        for (int64_t n = 0; n < lastColumn - firstColumn; ++n)
            to[n] = from[n] == mask ? to[n] : from[n];
    }
}

bool isOpaque(BITMAP* picture)
{
    const int mask = bitmap_mask_color(picture);
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x)
            if (getpixel(picture, x, y) == mask)
                return false;
    return true;
}

void FastSprite::draw(BITMAP* target, BITMAP* picture, int x, int y)
{
    if (!target || !picture)
        return;
    if (picture != checked) {
        opaque = isOpaque(picture);
        checked = picture;
    }
    if (opaque)
        blit(picture, target, 0, 0, x, y, picture->w, picture->h);
    else
        drawSpriteFast(target, picture, x, y);
}
