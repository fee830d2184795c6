// Sequences of map operations decoded from the input: paste at any point
// (NaN, infinities, far-off values and points a hair before a tile edge
// included) with any code, loadSegment of shipped, missing and negative
// segment numbers at any place, new extents as build sets them, reset,
// floodFill and tileAt. The outside must read rock after every operation,
// the rules must hold around every paste, and everywhere at the end.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "FuzzMaps.h"
#include "world/SegmentFile.h"
#include "world/TileMap.h"

namespace {
// From -1 to two beyond the last shipped file: the shipped files, and missing ones.
constexpr int SegmentNumbers = segment::FileCount + 3;

struct Input {
    const uint8_t* data;
    size_t size;

    uint8_t byte() { return size ? (--size, *data++) : 0; }
    int16_t int16() { return static_cast<int16_t>(byte() << 8 | byte()); }
    // A point a hair before a tile edge (where rounding bites), or any bit pattern.
    Vector point()
    {
        Vector where;
        for (double* coordinate : {&where.x, &where.y}) {
            uint64_t bits = 0;
            for (int i = 0; i < 8; ++i)
                bits = bits << 8 | byte();
            std::memcpy(coordinate, &bits, sizeof bits);
            if (bits >> 63)
                *coordinate = std::nextafter(static_cast<double>(int16_t(bits)) * TileMap::TileSize, 0.0);
        }
        return where;
    }
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::srand(1);
    TileMap map;
    map.reset();
    Input input{data, size};
    while (input.size) {
        const uint8_t operation = input.byte() % 6;
        const Vector where = input.point();
        const int16_t x = input.int16(), y = input.int16();
        const uint8_t value = input.byte();
        if (operation == 0) {
            map.paste(where, static_cast<int8_t>(value));
            // A paste may break the rules only next to where it landed.
            if (where.x > 0.0 && where.y > 0.0 && where.x < 1e6 && where.y < 1e6)
                fuzzing::checkMapRules(map, int(where.x / TileMap::TileSize), int(where.y / TileMap::TileSize), 1);
        } else if (operation == 1) {
            map.loadSegment(x, y, value % SegmentNumbers - 1);
        } else if (operation == 2) {
            map.width = 1 + value % TileMap::MaxExtent;
            map.height = 1 + (value >> 1) % TileMap::MaxExtent;
        } else if (operation == 3) {
            map.reset();
        } else if (operation == 4) {
            map.floodFill(x, y);
        } else if (map.tileAt(where).kind < Floor || map.tileAt(where).kind > Rock) {
            fuzzing::fail("tileAt gave an illegal kind");
        }
        fuzzing::checkMapRules(map, 0, 0, -1);  // no tiles: the outside only
    }
    fuzzing::checkMapRules(map);
    return 0;
}
