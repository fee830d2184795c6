#include "LevelPicture.h"

#include <cstdio>

#include "world/Entrance.h"
#include "world/TileMap.h"

namespace {
constexpr int Depth = 24;

int terrainColour(const Tile& tile)
{
    bool reachable = tile.visibility != Unreachable;
    switch (tile.kind) {
    case Water:
        return reachable ? makecol_depth(Depth, 70, 130, 230) : makecol_depth(Depth, 30, 45, 90);
    case Rock:
        return reachable ? makecol_depth(Depth, 120, 115, 110) : makecol_depth(Depth, 35, 33, 30);
    default:
        return reachable ? makecol_depth(Depth, 215, 190, 145) : makecol_depth(Depth, 95, 70, 55);
    }
}

void markEntrance(BITMAP* picture, const TileMap& map, int blockSize)
{
    int cx = (map.width + entrance::PointOffset) * blockSize;
    int cy = (map.height + entrance::PointOffset) * blockSize;
    int arm = blockSize * 2;
    int red = makecol_depth(Depth, 230, 30, 30);
    rectfill(picture, cx - arm, cy - 1, cx + arm, cy + 1, red);
    rectfill(picture, cx - 1, cy - arm, cx + 1, cy + arm, red);
}
}

BITMAP* drawLevelPicture(const TileMap& map, int blockSize)
{
    int side = TileMap::GridSize * blockSize;
    BITMAP* picture = create_bitmap_ex(Depth, side, side);
    if (!picture)
        return nullptr;
    for (int x = 0; x < TileMap::GridSize; ++x)
        for (int y = 0; y < TileMap::GridSize; ++y)
            rectfill(picture, x * blockSize, y * blockSize, (x + 1) * blockSize - 1, (y + 1) * blockSize - 1,
                terrainColour(map.tiles[x][y]));
    markEntrance(picture, map, blockSize);
    return picture;
}

std::string describeLevel(const TileMap& map)
{
    int area = 0, reachable = 0, water = 0, rock = 0;
    for (int x = 1; x <= map.width; ++x) {
        for (int y = 1; y <= map.height; ++y) {
            const Tile& tile = map.tiles[x][y];
            ++area;
            if (tile.kind == Rock)
                ++rock;
            else if (tile.visibility != Unreachable)
                ++reachable;
            if (tile.kind == Water)
                ++water;
        }
    }
    char line[200];
    std::snprintf(line, sizeof line,
        "%dx%d, %d attempts: of the playing area %d%% rock, %d%% reachable ground, %d%% water",
        map.width, map.height, map.buildAttempts, 100 * rock / area, 100 * reachable / area, 100 * water / area);
    return line;
}
