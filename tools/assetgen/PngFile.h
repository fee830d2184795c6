#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 8-bit RGB rows as a compressed PNG, for the contact sheet.
bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
// The same with straight (not premultiplied) alpha, for the desktop icon.
bool writePngWithAlpha(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);
