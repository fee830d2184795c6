#pragma once

#include <allegro.h>

// Allegro without a display: SYSTEM_NONE, the game's colour depth, and a
// memory screen of the game's window size behind a harness-owned driver
// record, so that SCREEN_W and SCREEN_H read that size. Tests play through
// key[] and the mouse.
namespace headless {

// Called once, by the main of each program.
void start();

// Releases every key and button and puts the mouse at (0, 0).
void releaseInput();

// Colour at (x, y) of a 16-bit bitmap as 0xRRGGBB, rounded to the 16-bit grid.
int rgbAt(BITMAP* bitmap, int x, int y);
int rgb16(int r, int g, int b);  // the same rounding for an expected colour

// Writes a bitmap as PNG; false on failure.
bool savePng(BITMAP* bitmap, const char* pngPath);

}
