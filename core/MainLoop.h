#pragma once

class Game;

// What one pass of the loop does besides reading Escape and the tick flag.
struct LoopHooks {
    void (*runTick)(void* context);  // update, draw, blit
    void (*pause)(unsigned int ms);
    void* context;
};

constexpr unsigned int IdlePauseMs = 1;

// One pass: notes Escape, runs at most one pending tick, rests 1 ms.
// Returns false once Escape was down; that pass still runs its tick.
bool runLoopPass(const LoopHooks& hooks);
// Runs passes until Escape.
void runMainLoop(Game& game);
