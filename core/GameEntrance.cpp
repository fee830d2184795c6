// The elf revived at the cave entrance, at a level start and on a respawn.
#include "core/Game.h"
#include "world/Entrance.h"

void Game::reviveElfAtEntrance()
{
    elf->position->x = entrance::pointX(*tileMap);
    elf->position->y = entrance::pointY(*tileMap);
    elf->dead = false;
    for (int k = 0; k < DaggerSet::DaggerCount; ++k)
        elf->daggers->state[k] = InHand;
}
