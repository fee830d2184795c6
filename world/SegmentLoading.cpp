#include <cstdio>
#include <cstdlib>

#include "world/SegmentFile.h"
#include "world/TileMap.h"

namespace {
// A zero cell stamps floor only when rand() % 20 is below this, 3 times in 4,
// so two stamps of the same segment rarely look alike.
constexpr int FloorChanceRange = 20;
constexpr int FloorChanceLimit = 15;

bool zeroCellStamps()
{
    return std::rand() % FloorChanceRange < FloorChanceLimit;
}
}

void TileMap::loadSegment(int32_t x, int32_t y, int32_t number)
{
    std::FILE* file = std::fopen(segment::fileName(number).c_str(), "r");
    if (width > 0)
        x %= width;
    if (height > 0)
        y %= height;
    segmentOrigin->x = static_cast<double>(x) * TileSize;
    segmentOrigin->y = static_cast<double>(y) * TileSize;
    if (!file)
        return;
    // Short or damaged files stamp what they hold; the cells after it keep the map as it was.
    bool readable = true;
    for (int row = 0; row < segment::Side && readable; ++row) {
        for (int column = 0; column < segment::Side && readable; ++column) {
            cursor->x = segmentOrigin->x + column * TileSize;
            cursor->y = segmentOrigin->y + row * TileSize;
            int32_t code = 0;
            readable = segment::readCode(file, code);
            if (!readable || (code == Floor && !zeroCellStamps()))
                continue;
            paste(*cursor, code);
        }
    }
    std::fclose(file);
}
