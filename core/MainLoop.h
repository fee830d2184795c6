#pragma once

#include <atomic>

class Game;

// What a tick does before the frame is drawn: the game's update, or one
// step of the segment editor.
using TickStep = void (*)(Game& game);

// Raised by the window's close button, which ends the loop as Escape does.
extern std::atomic<bool> closeRequested;
void onCloseButton();

// Polls the tick flag until Escape, the close button or a termination
// signal; each raised tick is step, draw and blit. The pass that sees the
// end still runs its pending tick.
void runMainLoop(Game& game, TickStep step);
