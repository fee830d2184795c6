#pragma once

#include <string>

#include "support/Replay.h"

class Game;

// Scripted players for the golden recordings. Each plays a fresh Game
// through the real input (key[] and the mouse), steering along shortest
// paths over the known map, and records every tick it plays.
struct BotRun {
    Recording recording;
    bool reachedGoal = false;  // the scenario's point was made (a kill and a death, victory, ...)
};

// Names of the scenarios the recorder knows.
extern const char* const BotScenarios[3];

// Plays the named scenario, starting the small level after introTicks on
// the intro panel (which changes the level, as rand() keeps running there).
BotRun playScenario(Game& game, const std::string& scenario, int introTicks);
