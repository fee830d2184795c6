#pragma once

#include <allegro.h>

// A picture drawn as a masked sprite through a copy made for speed: a
// run-length copy, which draw_rle_sprite puts down several times faster
// than draw_sprite, or the picture itself through blit when it has no
// mask-coloured pixel. Either way the pixels are exactly those of
// draw_sprite. The copy is made on first use, and made again whenever a
// different picture is drawn through it.
class SpriteRuns {
public:
    SpriteRuns() = default;
    ~SpriteRuns();
    SpriteRuns(const SpriteRuns&) = delete;
    SpriteRuns& operator=(const SpriteRuns&) = delete;

    // Nothing is drawn for a missing picture or target.
    void draw(BITMAP* target, BITMAP* picture, int x, int y);

private:
    void copy(BITMAP* picture);

    BITMAP* source = nullptr;
    bool opaque = false;
    RLE_SPRITE* runs = nullptr;
};

// Whether a picture has no pixel in the mask colour.
bool isOpaque(BITMAP* picture);
