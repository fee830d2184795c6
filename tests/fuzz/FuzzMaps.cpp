#include "FuzzMaps.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "world/TileMap.h"

namespace fuzzing {

void enterScratchGameDirectory()
{
    char pattern[] = "/tmp/orkcave-fuzz.XXXXXX";
    if (!mkdtemp(pattern) || chdir(pattern) != 0)
        fail("cannot make a scratch directory");
    std::string copy = std::string("mkdir maps && cp '") + ORKCAVE_MAPS_DIR + "'/seg*.txt maps/";
    if (std::system(copy.c_str()) != 0)
        fail("cannot copy the segment files");
}

void writeSegmentFile(int number, const uint8_t* data, size_t size)
{
    std::string name = "maps/seg" + std::to_string(number) + ".txt";
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file)
        fail("cannot write " + name);
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}

std::string brokenMapRule(const TileMap& map)
{
    if (map.outsideTile->kind != Rock)
        return "outside tile is not rock";
    auto isRock = [&](int x, int y) {
        return x < 0 || y < 0 || x >= TileMap::GridSize || y >= TileMap::GridSize || map.tiles[x][y].kind == Rock;
    };
    for (int x = 0; x < TileMap::GridSize; ++x)
        for (int y = 0; y < TileMap::GridSize; ++y) {
            const int kind = map.tiles[x][y].kind;
            if (kind < Floor || kind > Rock)
                return "illegal kind at " + std::to_string(x) + "," + std::to_string(y);
            if (kind != Water)
                continue;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if ((dx || dy) && isRock(x + dx, y + dy))
                        return "water beside rock at " + std::to_string(x) + "," + std::to_string(y);
        }
    return std::string();
}

void fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz: %s\n", what.c_str());
    std::abort();
}

}
