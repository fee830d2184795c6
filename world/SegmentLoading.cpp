#include <cstdlib>

#include "world/SegmentCopies.h"
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
    int32_t codes[segment::CodeCount];
    // Short only while no complete copy exists: the cells beyond keep the map as it was.
    const int count = segmentCopies->codesOf(number, codes);
    if (width > 0)
        x %= width;
    if (height > 0)
        y %= height;
    segmentOrigin->x = static_cast<double>(x) * TileSize;
    segmentOrigin->y = static_cast<double>(y) * TileSize;
    for (int cell = 0; cell < count; ++cell) {
        cursor->x = segmentOrigin->x + cell % segment::Side * TileSize;
        cursor->y = segmentOrigin->y + cell / segment::Side * TileSize;
        if (codes[cell] == Floor && !zeroCellStamps())
            continue;
        paste(*cursor, codes[cell]);
    }
}
