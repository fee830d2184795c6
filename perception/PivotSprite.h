#pragma once

#include <allegro.h>

// A heading in degrees as an angle in Allegro's units, 256 to a turn and
// counted the other way round: -heading * 256 / 360.
double allegroTurns(double heading);

// The same as the fixed-point angle that pivotSprite takes.
fixed allegroAngle(double heading);

// Allegro's pivot_sprite (and its vertical flip) without the inline header's
// `x << 16`, which is undefined for the negative screen points of sprites
// lying left of or above the screen. Far-off points are clamped to a range
// where nothing of the sprite can show anyway.
void pivotSprite(BITMAP* target, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle,
                 bool verticalFlip = false);
