#include "core/MainLoop.h"

#include <allegro.h>

#include "core/Game.h"
#include "core/TickClock.h"

bool runLoopPass(const LoopHooks& hooks)
{
    bool running = !key[KEY_ESC];
    // Ticks are never queued: a tick that ran long just loses the ones it overlapped.
    if (tickPending.exchange(false))
        hooks.runTick(hooks.context);
    hooks.pause(IdlePauseMs);
    return running;
}

namespace {
void runGameTick(void* context)
{
    Game* game = static_cast<Game*>(context);
    game->update();
    game->draw();
    blit(game->backBuffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
}

void restMs(unsigned int ms)
{
    rest(ms);
}
}

void runMainLoop(Game& game)
{
    LoopHooks hooks = {runGameTick, restMs, &game};
    while (runLoopPass(hooks)) {
    }
}
