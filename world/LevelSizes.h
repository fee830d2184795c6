#pragma once

#include <cstdint>

// The four level sizes, chosen with F1 to F4 (size codes 0 to 3).
struct LevelSize {
    const char* name;
    int32_t width;   // playing area in tiles
    int32_t height;
    int32_t segmentCount;
    int32_t orkCount;
};

constexpr int LevelSizeCount = 4;
constexpr LevelSize LevelSizes[LevelSizeCount] = {
    {"Small", 20, 20, 15, 7},
    {"Medium", 40, 40, 35, 25},
    {"Large", 60, 60, 85, 35},
    {"Huge", 75, 75, 155, 49},
};
