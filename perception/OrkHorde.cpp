#include "perception/OrkHorde.h"

#include <algorithm>
#include <cstdlib>

#include "perception/OrkPhases.h"
#include "world/TileMap.h"
#include "world/WallProbes.h"

namespace {
constexpr double StartTargetY = 30.0;
constexpr int StartCount = 10;
constexpr double StartSightRange = 100.0;
constexpr double StartSightHalfAngle = 30.0;
constexpr int StartAttackPause = 18;

// The survivors grow keener as the horde thins out.
constexpr int BaseSightRange = 200;
constexpr int SightRangeGain = 250;
constexpr int BaseSightHalfAngle = 20;
constexpr int SightHalfAngleGain = 50;
constexpr int BaseAttackPause = 17;
constexpr int AttackPauseLoss = 6;

constexpr double NormaliseBeyond = 1.0;
constexpr double WalkSpeed = 6.0;
constexpr double ChargeSpeed = 24.0;
constexpr double StuckDistance = 60.0;
constexpr int FootprintLife = 120;
constexpr double ArrivalDistance = 40.0;

constexpr double ProbeReach = 15.0;

constexpr double SeparationDistance = 60.0;
constexpr double SamePlaceDistance = 0.1;

constexpr int WanderAttempts = 5;
constexpr int WanderSpread = 20;  // offsets in whole tiles, one more below zero than above it
constexpr int WanderCentre = 9;

int keenerBy(int gain, int dead, int count)
{
    return dead * gain / count;
}

double wanderOffset()
{
    return (WanderCentre - std::rand() % WanderSpread) * TileMap::TileSize;
}

void ageFootprints(OrkHorde& horde, int i)
{
    for (int j = 0; j < OrkHorde::FootprintCount; ++j)
        if (horde.footprintAge[i][j] > 0)
            --horde.footprintAge[i][j];
}

void layFootprint(OrkHorde& horde, int i)
{
    int j = (horde.footprintIndex[i] + 1) % OrkHorde::FootprintCount;
    horde.footprintIndex[i] = j;
    horde.footprintPos[i][j]->copyFrom(*horde.pos[i]);
    horde.footprintHeading[i][j] = horde.pos[i]->angleFrom(*horde.target[i]);
    horde.footprintBloody[i][j] = horde.health[i] == 1;
    horde.footprintAge[i][j] = FootprintLife;
}

bool isWalkable(const Tile& tile)
{
    return tile.kind != Rock && tile.visibility != Unreachable;
}
}

OrkHorde::OrkHorde()
{
    for (int i = 0; i < SlotCount; ++i) {
        pos[i].reset(new Vector());
        target[i].reset(new Vector());
        target[i]->y = StartTargetY;
        chargeTimer[i] = 0;
        stepTimer[i] = i % FreshSlotPhases;
        attackTimer[i] = 0;
        health[i] = 0;
        for (int j = 0; j < FootprintCount; ++j) {
            footprintPos[i][j].reset(new Vector());
            footprintHeading[i][j] = 0.0;
            footprintBloody[i][j] = false;
            footprintAge[i][j] = 0;
        }
        footprintIndex[i] = 0;
    }
    for (auto& probe : probes)
        probe.reset(new Vector());
    separationIndex = 0;
    count = StartCount;
    sightRange = StartSightRange;
    sightHalfAngle = StartSightHalfAngle;
    aliveCount = 0;
    attackPause = StartAttackPause;
}

int OrkHorde::activeCount() const
{
    return std::clamp(count, 1, SlotCount);
}

bool OrkHorde::isActive(int i) const
{
    return i >= 0 && i < activeCount();
}

void OrkHorde::update()
{
    const int active = activeCount();
    for (int i = 0; i < active; ++i)
        moveOrk(i);

    // ">=" rather than "==": a level with fewer orks may leave the index beyond the new count.
    if (++separationIndex >= active)
        separationIndex = 0;
    separate(separationIndex);

    aliveCount = 0;
    for (int i = 0; i < active; ++i)
        if (health[i] > 0)
            ++aliveCount;
    const int dead = active - aliveCount;
    sightRange = BaseSightRange + keenerBy(SightRangeGain, dead, active);
    sightHalfAngle = BaseSightHalfAngle + keenerBy(SightHalfAngleGain, dead, active);
    attackPause = BaseAttackPause - keenerBy(AttackPauseLoss, dead, active);
}

void OrkHorde::moveOrk(int i)
{
    Vector& here = *pos[i];
    const double d = here.distance(*target[i]);
    double dx = target[i]->x - here.x;
    double dy = target[i]->y - here.y;

    ageFootprints(*this, i);
    if (health[i] < 1) {
        stepTimer[i] = DeadStepPhase;
        return;
    }
    if (d > NormaliseBeyond) {
        dx /= d;
        dy /= d;
    }
    if (attackTimer[i] > 0) {
        --attackTimer[i];
        dx = 0.0;
        dy = 0.0;
    }
    double speed = WalkSpeed;
    if (chargeTimer[i] > 0) {
        speed = ChargeSpeed;
        --chargeTimer[i];
    }
    --stepTimer[i];
    here.add(dx * speed, dy * speed);
    pushOutOfWalls(i);

    if (stepTimer[i] < 0) {
        stepTimer[i] = StepWrapPhase;
        bool stuck = here.distance(*footprintPos[i][footprintIndex[i]]) < StuckDistance;
        if (stuck && attackTimer[i] == 0)
            pickWanderTarget(i);
    }
    if (stepTimer[i] == StepWrapPhase || stepTimer[i] == SecondStepPhase)
        layFootprint(*this, i);
    if (d < ArrivalDistance && attackTimer[i] == 0)
        pickWanderTarget(i);
}

void OrkHorde::placeProbes(int i)
{
    placeWallProbes(*pos[i], ProbeReach, probes);
}

void OrkHorde::pushOutOfWalls(int i)
{
    pushOutOfRock(*tileMap, *pos[i], ProbeReach, probes);
}

void OrkHorde::separate(int k)
{
    Vector& mover = *pos[k];
    const int active = activeCount();
    for (int j = 0; j < active; ++j) {
        const Vector& other = *pos[j];
        double d = mover.distance(other);
        if (d > SamePlaceDistance && d < SeparationDistance) {
            mover.x = other.x + (mover.x - other.x) * SeparationDistance / d;
            mover.y = other.y + (mover.y - other.y) * SeparationDistance / d;
        }
    }
}

void OrkHorde::pickWanderTarget(int i)
{
    if (!isActive(i))
        return;
    const Vector& here = *pos[i];
    const Vector& last = *footprintPos[i][footprintIndex[i]];
    for (int attempt = 0; attempt < WanderAttempts; ++attempt) {
        double ox = wanderOffset();
        double oy = wanderOffset();
        if (tileMap->width * TileMap::TileSize / 2 > here.x)
            ox = -ox;
        if (tileMap->height * TileMap::TileSize / 2 > here.y)
            oy = -oy;
        // Straight on past the newest footprint, then off to a random side.
        target[i]->x = 2 * here.x - last.x + ox;
        target[i]->y = 2 * here.y - last.y + oy;
        if (isWalkable(tileMap->tileAt(*target[i])))
            return;
    }
    target[i]->copyFrom(here);
}
