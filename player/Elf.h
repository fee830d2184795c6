#pragma once

#include <allegro.h>

#include <memory>

#include "player/DaggerSet.h"
#include "world/Vector.h"
#include "world/WallProbes.h"

class TileMap;
class View;

// The player's character. The Game writes the input flags, calls update,
// and then sets facing from the cursor.
class Elf {
public:
    static constexpr int ProbeCount = WallProbeCount;
    static constexpr double EyeDistance = 60.0;  // how far behind the elf its view cone's apex sits

    std::unique_ptr<Vector> position;
    std::unique_ptr<Vector> eyePoint;  // apex of its view cone, EyeDistance behind the elf
    double facing;                     // the elf as seen from the cursor's world point
    double viewRange;
    double viewHalfAngle;
    double bodyRadius;
    std::unique_ptr<DaggerSet> daggers;
    int throwCooldown;
    bool carryingBag;
    bool dead;
    std::unique_ptr<Vector> probes[ProbeCount];  // N, E, S, W, NE, NW, SE, SW
    TileMap* map = nullptr;
    bool moveUp = false;
    bool moveDown = false;
    bool moveLeft = false;
    bool moveRight = false;
    bool fireHeld = false;
    bool stealthHeld = false;
    BITMAP* frames[3] = {};
    BITMAP* stealthSprite = nullptr;
    BITMAP* bagSprite = nullptr;
    BITMAP* deadSprite = nullptr;

    Elf();

    void update();
    // Struck dead; the elf stays so until the Game revives it.
    void kill();
    // Changes nothing; may be called more than once a frame.
    void draw(View& view);

    void move();
    void pushOutOfWalls();
    void placeProbes();
};
