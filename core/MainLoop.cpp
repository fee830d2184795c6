#include "core/MainLoop.h"

#include <allegro.h>

#include "core/Game.h"
#include "core/TickClock.h"

std::atomic<bool> closeRequested(false);

void onCloseButton()
{
    closeRequested = true;
}

bool runLoopPass(const LoopHooks& hooks)
{
    bool running = !key[KEY_ESC] && !closeRequested;
    // Ticks are never queued: a tick that ran long just loses the ones it overlapped.
    if (tickPending.exchange(false))
        hooks.runTick(hooks.context);
    hooks.pause(IdlePauseMs);
    return running;
}

namespace {
struct Program {
    Game& game;
    TickStep step;
};

void runTick(void* context)
{
    Program* program = static_cast<Program*>(context);
    program->step(program->game);
    program->game.draw();
    blit(program->game.backBuffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
}

void restMs(unsigned int ms)
{
    rest(ms);
}
}

void runMainLoop(Game& game, TickStep step)
{
    Program program = {game, step};
    LoopHooks hooks = {runTick, restMs, &program};
    while (runLoopPass(hooks)) {
    }
}
