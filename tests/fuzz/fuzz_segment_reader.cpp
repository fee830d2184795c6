// The segment reader on arbitrary file contents: the input becomes
// maps/seg0.txt (the other nine stay the shipped ones), the segment check
// reads all ten and blames no other file, and the file is stamped inside,
// across the edge of and off the playing area of a small level.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzMaps.h"
#include "world/SegmentCheck.h"
#include "world/TileMap.h"

namespace {
constexpr int SmallExtent = 20;
constexpr int Places[][2] = {{0, 0}, {5, 5}, {SmallExtent - 1, SmallExtent - 1}, {-3, 7}, {SmallExtent + 3, -1}, {95, 95}};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::writeFile("maps/seg0.txt", data, size);
    const std::string problem = findSegmentProblem();
    // Matched by the file's name alone: the wording and the path before it are the check's own.
    if (!problem.empty() && problem.find("/seg0.txt") == std::string::npos)
        fuzzing::fail("the check blamed another file: " + problem);
    std::srand(1);
    TileMap map;
    map.width = SmallExtent;
    map.height = SmallExtent;
    map.reset();
    for (const auto& place : Places) {
        map.loadSegment(place[0], place[1], 0);
        fuzzing::checkMapRules(map);
    }
    return 0;
}
