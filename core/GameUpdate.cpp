// One game tick of rules, in the order they apply.
#include <allegro.h>

#include <cstdlib>

#include "core/Game.h"
#include "core/MouseInput.h"
#include "world/Entrance.h"

namespace {
constexpr double BagReach = 40.0;
constexpr int LevelKeys[] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4};
}

void Game::update()
{
    // Level keys work in every screen state; each held key rebuilds its level.
    for (int size = 0; size < 4; ++size)
        if (key[LevelKeys[size]])
            startLevel(size);

    // Frozen panels still draw one random number per tick, so the time spent
    // on them decides which levels come next.
    if (screens->state != Playing) {
        (void)std::rand();
        return;
    }

    aimPoint->x = mouse_x - AimOffset;
    aimPoint->y = mouse_y - AimOffset;

    elf->moveUp = elf->moveDown = elf->moveLeft = elf->moveRight = false;
    elf->fireHeld = elf->stealthHeld = false;
    elf->moveLeft = key[KEY_A] != 0;
    elf->moveRight = key[KEY_D] != 0;
    elf->moveUp = key[KEY_W] != 0;
    elf->moveDown = key[KEY_S] != 0;
    elf->fireHeld = (mouse_b & LeftButton) != 0;
    elf->stealthHeld = (mouse_b & RightButton) != 0;

    sound->updateRings();
    elf->update();

    view->centreOn(*elf->position);

    if (!elf->dead)
        elf->facing = elf->position->angleFrom(view->toWorld(*aimPoint));

    if (!elf->stealthHeld && elf->position->distance(*bagPosition) < BagReach) {
        elf->carryingBag = true;
        bagPosition->copyFrom(*elf->position);
    } else {
        elf->carryingBag = false;
    }

    orks->update();
    for (int i = 0; i < orks->count; ++i)
        orks->perceive(i);

    if (elf->carryingBag && elf->position->x > entrance::pointX(*tileMap)
        && elf->position->y > entrance::pointY(*tileMap))
        screens->state = Victory;

    if (key[KEY_SPACE] && elf->dead) {
        reviveElfAtEntrance();
        ++deaths;
    }
}
