#pragma once

#include <atomic>

class Game;

// What one pass of the loop does besides reading Escape and the tick flag.
struct LoopHooks {
    void (*runTick)(void* context);  // step, draw, blit
    void (*pause)(unsigned int ms);
    void* context;
};

// What a tick does before the frame is drawn: the game's update, or one
// step of the segment editor.
using TickStep = void (*)(Game& game);

constexpr unsigned int IdlePauseMs = 1;

// Raised by the window's close button, which ends the loop as Escape does.
extern std::atomic<bool> closeRequested;
void onCloseButton();

// One pass: notes Escape or a close request, runs at most one pending tick,
// rests 1 ms. Returns false once either was seen; that pass still runs its tick.
bool runLoopPass(const LoopHooks& hooks);
// Runs passes until Escape or the close button; each tick is step, draw, blit.
void runMainLoop(Game& game, TickStep step);
