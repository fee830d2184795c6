#include "world/SpriteRuns.h"

SpriteRuns::~SpriteRuns()
{
    if (runs)
        destroy_rle_sprite(runs);
}

void SpriteRuns::draw(BITMAP* target, BITMAP* picture, int x, int y)
{
    if (!target || !picture)
        return;
    if (picture != source)
        copy(picture);
    if (opaque)
        blit(picture, target, 0, 0, x, y, picture->w, picture->h);
    else if (runs)
        draw_rle_sprite(target, runs, x, y);
    else
        draw_sprite(target, picture, x, y);
}

void SpriteRuns::copy(BITMAP* picture)
{
    if (runs)
        destroy_rle_sprite(runs);
    opaque = isOpaque(picture);
    runs = opaque ? nullptr : get_rle_sprite(picture);
    source = picture;
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
