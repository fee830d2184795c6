#pragma once

#include <allegro.h>

// Allegro without a display: SYSTEM_NONE, 16-bit colour, and an 800 x 700
// memory screen behind a harness-owned driver record so that SCREEN_W and
// SCREEN_H read 800 and 700. Tests play through key[] and the mouse.
namespace headless {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 700;

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
