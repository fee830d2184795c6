// Furnishing a freshly built level: debris, the elf, the orks and the bag.
#include <cstdlib>

#include "core/Game.h"
#include "world/LevelSizes.h"

namespace {
constexpr int DebrisBorder = 15;  // the walk covers the entrance squares too
constexpr int EntranceOffsetTiles = 8;
constexpr int PlacementMargin = 3;
constexpr int OrkTries = 100;
constexpr int BagTries = 1000;
constexpr int FreshOrkHealth = 2;

bool onGrid(int x, int y)
{
    return x >= 0 && y >= 0 && x < TileMap::GridSize && y < TileMap::GridSize;
}
}

void Game::startLevel(int32_t sizeCode)
{
    if (sizeCode >= 0 && sizeCode < LevelSizeCount) {
        const LevelSize& size = LevelSizes[sizeCode];
        tileMap->build(size.width, size.height, size.segmentCount);
        orks->count = size.orkCount;
    }
    const int w = tileMap->width;
    const int h = tileMap->height;

    // Debris: a random walk over the block from tile (0, 0), row by row.
    const int blockWidth = w + DebrisBorder;
    const int blockCells = (w + DebrisBorder) * (h + DebrisBorder);
    for (int i = 0; i < blockCells; i += std::rand() % 5 + 2) {
        int x = i % blockWidth;
        int y = i / (h + DebrisBorder);
        if (!onGrid(x, y))
            continue;
        Tile& tile = tileMap->tiles[x][y];
        if (tile.kind == Floor)
            tile.debris = std::rand() % 6;
    }

    elf->position->x = (w + EntranceOffsetTiles) * TileMap::TileSize;
    elf->position->y = (h + EntranceOffsetTiles) * TileMap::TileSize;
    elf->dead = false;
    for (int k = 0; k < DaggerSet::DaggerCount; ++k)
        elf->daggers->state[k] = InHand;
    deaths = 0;

    for (int k = 0; k < orks->count; ++k) {
        orks->health[k] = 0;
        int x = 0;
        int y = 0;
        for (int attempt = 0; attempt < OrkTries; ++attempt) {
            x = std::rand() % w + PlacementMargin;
            y = std::rand() % h + PlacementMargin;
            const Tile& tile = tileMap->tiles[x][y];
            if (tile.kind != Rock && tile.visibility != Unreachable) {
                orks->health[k] = FreshOrkHealth;
                break;
            }
        }
        orks->pos[k]->x = x * TileMap::TileSize;
        orks->pos[k]->y = y * TileMap::TileSize;
    }

    // The bag never lies in the quarter toward the entrance.
    for (int attempt = 0; attempt < BagTries; ++attempt) {
        int x = std::rand() % w + PlacementMargin;
        int y = std::rand() % h + PlacementMargin;
        const Tile& tile = tileMap->tiles[x][y];
        if (tile.kind == Floor && tile.visibility != Unreachable && (x < w / 2 || y < h / 2)) {
            bagPosition->x = x * TileMap::TileSize;
            bagPosition->y = y * TileMap::TileSize;
            break;
        }
    }

    screens->state = Playing;
}
