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

void drawSpriteFast(BITMAP* target, BITMAP* sprite, int x, int y)
{
    if (!isHighColourMemory(target) || !isHighColourMemory(sprite)) {
        draw_sprite(target, sprite, x, y);
        return;
    }
    const uint16_t mask = bitmap_mask_color(sprite);
    const int firstColumn = std::max(0, target->cl - x);
    const int lastColumn = std::min(sprite->w, target->cr - x);
    const int firstRow = std::max(0, target->ct - y);
    const int lastRow = std::min(sprite->h, target->cb - y);
    for (int row = firstRow; row < lastRow; ++row) {
        const uint16_t* from = reinterpret_cast<const uint16_t*>(sprite->line[row]);
        uint16_t* to = reinterpret_cast<uint16_t*>(target->line[y + row]) + x;
        for (int column = firstColumn; column < lastColumn; ++column)
            to[column] = from[column] == mask ? to[column] : from[column];
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
