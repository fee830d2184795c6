// The cave entrance, shared by the level start, the respawn and the victory.
#include "core/Game.h"

namespace {
constexpr int EntranceOffsetTiles = 8;
}

double Game::entranceX() const
{
    return (tileMap->width + EntranceOffsetTiles) * TileMap::TileSize;
}

double Game::entranceY() const
{
    return (tileMap->height + EntranceOffsetTiles) * TileMap::TileSize;
}

void Game::reviveElfAtEntrance()
{
    elf->position->x = entranceX();
    elf->position->y = entranceY();
    elf->dead = false;
    for (int k = 0; k < DaggerSet::DaggerCount; ++k)
        elf->daggers->state[k] = InHand;
}
