// One game tick of rules, in the order they apply.
#include <allegro.h>

#include <cstdlib>

#include "core/Game.h"
#include "core/InputLatch.h"
#include "core/MouseInput.h"
#include "world/Entrance.h"
#include "world/LevelSizes.h"

namespace {
constexpr double BagReach = 40.0;
constexpr int LevelKeys[] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4};
static_assert(sizeof LevelKeys / sizeof LevelKeys[0] == LevelSizeCount, "one key for each level size");
}

void Game::update()
{
    input::latchTick();
    // Level keys work in every screen state; each held key rebuilds its level.
    for (int size = 0; size < LevelSizeCount; ++size)
        if (input::held(LevelKeys[size]))
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
    elf->moveLeft = input::held(KEY_A);
    elf->moveRight = input::held(KEY_D);
    elf->moveUp = input::held(KEY_W);
    elf->moveDown = input::held(KEY_S);
    elf->fireHeld = input::buttonHeld(LeftButton);
    elf->stealthHeld = input::buttonHeld(RightButton);

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

    if (input::held(KEY_SPACE) && elf->dead) {
        reviveElfAtEntrance();
        ++deaths;
    }
}
