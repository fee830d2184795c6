#pragma once

#include <allegro.h>

#include <memory>

#include "world/Vector.h"
#include "world/WallProbes.h"

class Debris;
class Elf;
class Sight;
class SoundBoard;
class TileMap;
class View;

// Every ork of the level in 50 fixed slots; the first `count` take part.
// Headings follow angleFrom: an ork's heading F = pos.angleFrom(target)
// points from its target back to the ork.
class OrkHorde {
public:
    static constexpr int SlotCount = 50;
    static constexpr int FootprintCount = 15;
    static constexpr int ProbeCount = WallProbeCount;

    std::unique_ptr<Vector> pos[SlotCount];
    std::unique_ptr<Vector> target[SlotCount];
    int chargeTimer[SlotCount];
    int stepTimer[SlotCount];
    int attackTimer[SlotCount];
    int health[SlotCount];
    std::unique_ptr<Vector> footprintPos[SlotCount][FootprintCount];
    double footprintHeading[SlotCount][FootprintCount];
    bool footprintBloody[SlotCount][FootprintCount];
    int footprintAge[SlotCount][FootprintCount];
    int footprintIndex[SlotCount];
    BITMAP* orkSprites[3] = {};
    BITMAP* footprintSprites[3] = {};
    BITMAP* deadSprite = nullptr;
    BITMAP* bloodSprite = nullptr;
    TileMap* tileMap = nullptr;
    std::unique_ptr<Vector> probes[ProbeCount];  // N, E, S, W, NE, NW, SE, SW
    int separationIndex;
    int count;
    double sightRange;
    double sightHalfAngle;
    int attackPause;
    int aliveCount;

    // What perception and the filtered drawing look at; set by the Game.
    Elf* elf = nullptr;
    Sight* sight = nullptr;
    SoundBoard* sound = nullptr;
    Debris* debrisTable = nullptr;

    OrkHorde();

    void update();
    void pickWanderTarget(int i);
    // A blade within reach of living ork i wounds it: a hit point less, a
    // charge, a new target. Returns whether it did.
    bool takeHit(int i, const Vector& blade);
    void drawOrk(View& view, int i);
    void drawFootprint(View& view, int i, int j);

    // Perception: ork i looks for the elf, makes footstep noise, winds up and strikes.
    void perceive(int i);
    // Draw only what the elf can see or is near, and every corpse.
    void drawFootprints(View& view);
    void drawOrks(View& view);

    // `count` kept within 1..SlotCount, as every loop and division uses it.
    int activeCount() const;
    // Whether i names one of the active slots.
    bool isActive(int i) const;

private:
    // The steps of update, for active slots only.
    void moveOrk(int i);
    void placeProbes(int i);
    void pushOutOfWalls(int i);
    void separate(int k);
};
