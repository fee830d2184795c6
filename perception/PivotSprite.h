#pragma once

#include <allegro.h>

// Allegro's pivot_sprite (and its vertical flip) without the inline header's
// `x << 16`, which is undefined for the negative screen points of sprites
// lying left of or above the screen. Far-off points are clamped to a range
// where nothing of the sprite can show anyway.
void pivotSprite(BITMAP* target, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle,
                 bool verticalFlip = false);
