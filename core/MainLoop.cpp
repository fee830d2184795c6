#include "core/MainLoop.h"

#include <allegro.h>

#include "core/Game.h"
#include "core/TickClock.h"

std::atomic<bool> closeRequested(false);

void onCloseButton()
{
    closeRequested = true;
}

void runMainLoop(Game& game, TickStep step)
{
    bool running = true;
    while (running) {
        running = !key[KEY_ESC] && !closeRequested;
        // Ticks are never queued: a tick that ran long just loses the ones it overlapped.
        if (tickPending.exchange(false)) {
            step(game);
            game.draw();
            blit(game.backBuffer, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
        }
        rest(idlePauseMs());
    }
}
