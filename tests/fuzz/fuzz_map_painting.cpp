// Sequences of map operations decoded from the input: paste at arbitrary
// points (NaN, infinities, far-off values and points a hair before a tile
// edge included) with any code,
// loadSegment of shipped, missing and negative segment numbers at any
// place, new extents as build sets them, reset and floodFill. After every
// operation the outside must read rock, after a paste the rules must hold
// around it, and at the end every map rule must hold.
#include <cstddef>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "FuzzMaps.h"
#include "world/TileMap.h"

namespace {
constexpr int MaxExtent = 85;  // build's clamp
constexpr int SegmentNumbers = 13;  // -1 .. 11: ten shipped files, and missing ones

class Input {
public:
    Input(const uint8_t* data, size_t size) : data(data), size(size) {}

    bool empty() const { return at >= size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }
    int32_t int32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | byte();
        return static_cast<int32_t>(value);
    }
    int16_t int16() { return static_cast<int16_t>(byte() << 8 | byte()); }
    // Any bit pattern, a point a hair before a tile edge (where rounding
    // bites), or a point near the grid in quarter pixels.
    double coordinate()
    {
        const uint8_t mode = byte() % 3;
        if (mode == 0)
            return std::nextafter(static_cast<double>(byte()) * TileMap::TileSize, 0.0);
        if (mode == 1) {
            uint64_t bits = 0;
            for (int i = 0; i < 8; ++i)
                bits = bits << 8 | byte();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        return int16() / 4.0;
    }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

// A paste may only break the rules next to where it landed, so look there at once.
void checkAround(const TileMap& map, const Vector& where)
{
    const double gridPixels = TileMap::GridSize * TileMap::TileSize;
    if (!(where.x > 0.0 && where.y > 0.0 && where.x < gridPixels && where.y < gridPixels))
        return;
    const std::string broken = fuzzing::brokenMapRuleNear(map, static_cast<int>(where.x / TileMap::TileSize),
                                                          static_cast<int>(where.y / TileMap::TileSize));
    if (!broken.empty())
        fuzzing::fail(broken);
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzing::enterScratchGameDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::srand(1);
    TileMap map;
    map.reset();
    Input input(data, size);
    while (!input.empty()) {
        switch (input.byte() % 6) {
        case 0: {
            Vector where;
            where.x = input.coordinate();
            where.y = input.coordinate();
            map.paste(where, static_cast<int8_t>(input.byte()));
            checkAround(map, where);
            break;
        }
        case 1: {
            const int32_t x = input.int32();
            const int32_t y = input.int32();
            map.loadSegment(x, y, input.byte() % SegmentNumbers - 1);
            break;
        }
        case 2:
            map.width = 1 + input.byte() % MaxExtent;
            map.height = 1 + input.byte() % MaxExtent;
            break;
        case 3:
            map.reset();
            break;
        case 4: {
            const int16_t x = input.int16();
            map.floodFill(x, input.int16());
            break;
        }
        default: {
            Vector where;
            where.x = input.coordinate();
            where.y = input.coordinate();
            const Tile& tile = map.tileAt(where);
            if (tile.kind < Floor || tile.kind > Rock)
                fuzzing::fail("tileAt gave an illegal kind");
        }
        }
        if (map.outsideTile->kind != Rock)
            fuzzing::fail("outside tile is not rock");
    }
    const std::string broken = fuzzing::brokenMapRule(map);
    if (!broken.empty())
        fuzzing::fail(broken);
    return 0;
}
