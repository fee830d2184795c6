#pragma once

#include <allegro.h>

// draw_sprite's pixels, drawn faster. Into a 16-bit memory bitmap each row
// is copied as a select per pixel, which the compiler turns into vector
// code, instead of a test and branch per pixel: the same rule (pixels in
// the mask colour are left out), the same clipping to the target's clip
// rectangle, several times faster. Other bitmaps get draw_sprite itself.
void drawSpriteFast(BITMAP* target, BITMAP* sprite, int x, int y);

// The colour that sprites leave out, magenta: its channels, for the pictures'
// painter, and the colour in the current depth.
constexpr int MaskRed = 255, MaskGreen = 0, MaskBlue = 255;
int maskColour();

// Whether a picture has no pixel in the mask colour.
bool isOpaque(BITMAP* picture);

// A picture drawn as a sprite that is checked once for mask pixels: one
// without any is put down with blit, which is faster still. The check is
// made again whenever a different picture is drawn through it.
class FastSprite {
public:
    // Nothing is drawn for a missing picture or target.
    void draw(BITMAP* target, BITMAP* picture, int x, int y);

private:
    BITMAP* checked = nullptr;
    bool opaque = false;
};
