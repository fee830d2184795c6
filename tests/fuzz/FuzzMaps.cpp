#include "FuzzMaps.h"

#include <allegro.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "world/TileMap.h"

// Every target runs in a private directory holding maps/ with copies of the
// shipped segment files, with Allegro started without a display, in 16-bit
// colour, for its loaders.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/orkcave-fuzz.XXXXXX";
    if (!mkdtemp(pattern) || chdir(pattern) != 0)
        fuzzing::fail("cannot make a scratch directory");
    std::string copy = std::string("mkdir maps && cp '") + ORKCAVE_MAPS_DIR + "'/seg*.txt maps/";
    if (std::system(copy.c_str()) != 0)
        fuzzing::fail("cannot copy the segment files");
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0)
        fuzzing::fail("cannot start Allegro");
    set_color_depth(16);
    return 0;
}

namespace fuzzing {

void writeFile(const std::string& name, const uint8_t* data, size_t size)
{
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

void checkMapRules(const TileMap& map, int column, int row, int reach)
{
    if (map.outsideTile->kind != Rock)
        fail("outside tile is not rock");
    auto isRock = [&](int x, int y) {
        return x < 0 || y < 0 || x >= TileMap::GridSize || y >= TileMap::GridSize || map.tiles[x][y].kind == Rock;
    };
    for (int x = std::max(column - reach, 0); x <= std::min(column + reach, TileMap::GridSize - 1); ++x)
        for (int y = std::max(row - reach, 0); y <= std::min(row + reach, TileMap::GridSize - 1); ++y) {
            if (map.tiles[x][y].kind < Floor || map.tiles[x][y].kind > Rock)
                fail("illegal kind at " + std::to_string(x) + "," + std::to_string(y));
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (map.tiles[x][y].kind == Water && isRock(x + dx, y + dy))
                        fail("water beside rock at " + std::to_string(x) + "," + std::to_string(y));
        }
}

void fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz: %s\n", what.c_str());
    std::abort();
}

}
