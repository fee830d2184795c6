#include "FuzzMaps.h"

#include <allegro.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

void enterScratchLibrary()
{
    enterScratchGameDirectory();
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0)
        fail("cannot start Allegro");
    set_color_depth(16);
}

void writeFile(const std::string& name, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file)
        fail("cannot write " + name);
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}

namespace {
bool isRock(const TileMap& map, int x, int y)
{
    return x < 0 || y < 0 || x >= TileMap::GridSize || y >= TileMap::GridSize || map.tiles[x][y].kind == Rock;
}

std::string brokenTileRule(const TileMap& map, int x, int y)
{
    const int kind = map.tiles[x][y].kind;
    if (kind < Floor || kind > Rock)
        return "illegal kind at " + std::to_string(x) + "," + std::to_string(y);
    if (kind == Water)
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if ((dx || dy) && isRock(map, x + dx, y + dy))
                    return "water beside rock at " + std::to_string(x) + "," + std::to_string(y);
    return std::string();
}

std::string brokenRuleIn(const TileMap& map, int firstX, int lastX, int firstY, int lastY)
{
    if (map.outsideTile->kind != Rock)
        return "outside tile is not rock";
    for (int x = std::max(firstX, 0); x <= std::min(lastX, TileMap::GridSize - 1); ++x)
        for (int y = std::max(firstY, 0); y <= std::min(lastY, TileMap::GridSize - 1); ++y) {
            std::string broken = brokenTileRule(map, x, y);
            if (!broken.empty())
                return broken;
        }
    return std::string();
}
}

std::string brokenMapRule(const TileMap& map)
{
    return brokenRuleIn(map, 0, TileMap::GridSize - 1, 0, TileMap::GridSize - 1);
}

std::string brokenMapRuleNear(const TileMap& map, int column, int row)
{
    return brokenRuleIn(map, column - 1, column + 1, row - 1, row + 1);
}

void fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz: %s\n", what.c_str());
    std::abort();
}

}
