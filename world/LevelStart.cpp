// Furnishing a freshly built level: debris, the elf, the orks and the bag.
#include <cstdlib>

#include "core/Game.h"
#include "perception/OrkKind.h"
#include "world/LevelSizes.h"

namespace {
constexpr int PlacementMargin = 3;
constexpr int BagTries = 1000;

bool onGrid(int x, int y)
{
    return x >= 0 && y >= 0 && x < TileMap::GridSize && y < TileMap::GridSize;
}
}

void Game::startLevel(int32_t sizeCode)
{
    buildLevel(sizeCode);
    scatterDebris();
    reviveElfAtEntrance();
    deaths = 0;
    placeOrks();
    placeBag();
    screens->state = Playing;
}

// An unknown size code furnishes the level already built again.
void Game::buildLevel(int32_t sizeCode)
{
    if (sizeCode < 0 || sizeCode >= LevelSizeCount)
        return;
    const LevelSize& size = LevelSizes[sizeCode];
    tileMap->build(size.width, size.height, size.segmentCount);
    orks->count = size.orkCount;
}

// A random walk over the block of the playing area and its litter border,
// from tile (0, 0), row by row. The row is found by dividing by the block's
// height, not its width: kept, as it decides where the litter lies.
void Game::scatterDebris()
{
    const int w = tileMap->width;
    const int h = tileMap->height;
    const int blockWidth = w + TileMap::LitterBorder;
    const int blockHeight = h + TileMap::LitterBorder;
    for (int i = 0; i < blockWidth * blockHeight; i += std::rand() % 5 + 2) {
        int x = i % blockWidth;
        int y = i / blockHeight;
        if (!onGrid(x, y))
            continue;
        Tile& tile = tileMap->tiles[x][y];
        if (tile.kind == Floor)
            tile.debris = std::rand() % Debris::KindCount;
    }
}

// An ork that finds no open tile in its tries starts dead where it looked last.
void Game::placeOrks()
{
    const int w = tileMap->width;
    const int h = tileMap->height;
    for (int k = 0; k < orks->count; ++k) {
        orks->health[k] = 0;
        int x = 0;
        int y = 0;
        for (int attempt = 0; attempt < Ork.placementTries; ++attempt) {
            x = std::rand() % w + PlacementMargin;
            y = std::rand() % h + PlacementMargin;
            const Tile& tile = tileMap->tiles[x][y];
            if (tile.kind != Rock && tile.visibility != Unreachable) {
                orks->health[k] = Ork.freshHealth;
                break;
            }
        }
        orks->pos[k]->x = x * TileMap::TileSize;
        orks->pos[k]->y = y * TileMap::TileSize;
    }
}

// The bag never lies in the quarter toward the entrance.
void Game::placeBag()
{
    const int w = tileMap->width;
    const int h = tileMap->height;
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
}
