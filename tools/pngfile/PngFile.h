#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BITMAP;

// The one PNG writer, through libpng: the desktop icon, the contact sheet,
// the level pictures and the test shots. Only tools and tests link it, never
// the game.

// Writes 8-bit RGBA rows, alpha straight (not premultiplied).
bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);

// Writes an Allegro bitmap of any colour depth, opaque.
bool savePng(BITMAP* bitmap, const std::string& path);
