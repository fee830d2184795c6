#include "core/MainLoop.h"

#include <allegro.h>

#include "core/Game.h"
#include "core/Signals.h"
#include "core/TickClock.h"

// After the game's headers: it brings in Xlib's macros.
#include <xalleg.h>

namespace {
constexpr unsigned int IdlePauseMs = 1;
constexpr unsigned int BackgroundPauseMs = 100;
constexpr unsigned int GlanceMs = 2;  // a few passes of the library's input thread

// Nothing ticks in the background, so the timer stops, and the library's
// input thread, which would otherwise wake a thousand times a second, only
// glances at the window's events between long pauses: that glance is how
// the loop learns that the window is in front again, or closed.
void restInTheBackground()
{
    remove_int(onTimer);
    while (inBackground() && !closeRequested && !terminationSignal()) {
        _unix_bg_man->disable_interrupts();
        rest(BackgroundPauseMs);
        _unix_bg_man->enable_interrupts();
        rest(GlanceMs);
    }
    timerSubCount = 0;  // no timer runs now; the first tick back is a full one away
    install_int(onTimer, TimerPeriodMs);
}
}

std::atomic<bool> closeRequested(false);

void onCloseButton()
{
    closeRequested = true;
}

void runMainLoop(Game& game, TickStep step)
{
    bool running = true;
    while (running) {
        running = !key[KEY_ESC] && !closeRequested && !terminationSignal();
        // Ticks are never queued: a tick that ran long just loses the ones it overlapped.
        if (tickPending.exchange(false)) {
            step(game);
            game.draw();
            blit(game.backBuffer.get(), screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
        }
        if (inBackground())
            restInTheBackground();
        else
            rest(IdlePauseMs);
    }
}
