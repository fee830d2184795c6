#pragma once

#include <cstdint>

#include "world/Vector.h"

#include "reliability/Prng.h"

class Game;

// Pseudo-random but plausible play: movement keys held for stretches, the
// mouse sweeping toward changing points, throws, stealth, a level key now
// and then, Space while the elf is dead. Writes the library's key[],
// mouse_x, mouse_y and mouse_b, as the player would.
class SoakInput {
public:
    explicit SoakInput(uint64_t seed);

    // Sets the input for the next tick of the game.
    void apply(const Game& game);

    // Whether the last apply held a level key (the tick will build a level).
    bool levelKeyHeld() const { return lastLevelKey >= 0; }

private:
    void startStretch();
    void sweepMouse();
    void chooseLevelKey(const Game& game);
    void huntNearestOrk(const Game& game);
    void fetchNearestDagger(const Game& game);
    void runBagErrand(const Game& game);
    void walkToward(const Vector& from, const Vector& to, double standOff);

    Prng random;
    int stretchTicks = 0;
    bool up = false, down = false, left = false, right = false;
    double fireChance = 0.0;
    bool stealth = false;
    double mouseX = 400.0, mouseY = 350.0;
    double targetX = 400.0, targetY = 350.0;
    double sweepSpeed = 10.0;
    bool hunting = false;   // aim at the nearest living ork and walk toward it
    bool fetching = false;  // walk to the nearest lying dagger
    bool errand = false;    // walk to the bag, or carry it out past the entrance
    int levelKeyTicks = 0;
    int heldLevelKey = -1;
    int lastLevelKey = -1;
};
