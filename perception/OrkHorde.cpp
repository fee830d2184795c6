#include "perception/OrkHorde.h"

#include <algorithm>
#include <cstdlib>

#include "perception/OrkKind.h"
#include "world/TileMap.h"
#include "world/WallProbes.h"

namespace {
constexpr int StartCount = 10;

int keenerBy(int gain, int dead, int count)
{
    return dead * gain / count;
}

double wanderOffset()
{
    return (Ork.wanderCentre - std::rand() % Ork.wanderSpread) * TileMap::TileSize;
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
    horde.footprintAge[i][j] = Ork.footprintLife;
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
        target[i]->y = Ork.startTargetY;
        chargeTimer[i] = 0;
        stepTimer[i] = i % Ork.freshSlotPhases;
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
    sightRange = Ork.startSightRange;
    sightHalfAngle = Ork.startSightHalfAngle;
    aliveCount = 0;
    attackPause = Ork.startAttackPause;
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
    sightRange = Ork.baseSightRange + keenerBy(Ork.sightRangeGain, dead, active);
    sightHalfAngle = Ork.baseSightHalfAngle + keenerBy(Ork.sightHalfAngleGain, dead, active);
    attackPause = Ork.baseAttackPause - keenerBy(Ork.attackPauseLoss, dead, active);
}

void OrkHorde::moveOrk(int i)
{
    Vector& here = *pos[i];
    const double d = here.distance(*target[i]);
    double dx = target[i]->x - here.x;
    double dy = target[i]->y - here.y;

    ageFootprints(*this, i);
    if (health[i] < 1) {
        stepTimer[i] = Ork.deadStepPhase;
        return;
    }
    if (d > Ork.normaliseBeyond) {
        dx /= d;
        dy /= d;
    }
    if (attackTimer[i] > 0) {
        --attackTimer[i];
        dx = 0.0;
        dy = 0.0;
    }
    double speed = Ork.walkSpeed;
    if (chargeTimer[i] > 0) {
        speed = Ork.chargeSpeed;
        --chargeTimer[i];
    }
    --stepTimer[i];
    here.add(dx * speed, dy * speed);
    pushOutOfWalls(i);

    if (stepTimer[i] < 0) {
        stepTimer[i] = Ork.stepWrapPhase;
        bool stuck = here.distance(*footprintPos[i][footprintIndex[i]]) < Ork.stuckDistance;
        if (stuck && attackTimer[i] == 0)
            pickWanderTarget(i);
    }
    if (stepTimer[i] == Ork.stepWrapPhase || stepTimer[i] == Ork.secondStepPhase)
        layFootprint(*this, i);
    if (d < Ork.arrivalDistance && attackTimer[i] == 0)
        pickWanderTarget(i);
}

void OrkHorde::placeProbes(int i)
{
    placeWallProbes(*pos[i], Ork.probeReach, probes);
}

void OrkHorde::pushOutOfWalls(int i)
{
    pushOutOfRock(*tileMap, *pos[i], Ork.probeReach, probes);
}

void OrkHorde::separate(int k)
{
    Vector& mover = *pos[k];
    const int active = activeCount();
    for (int j = 0; j < active; ++j) {
        const Vector& other = *pos[j];
        double d = mover.distance(other);
        if (d > Ork.samePlaceDistance && d < Ork.separationDistance) {
            mover.x = other.x + (mover.x - other.x) * Ork.separationDistance / d;
            mover.y = other.y + (mover.y - other.y) * Ork.separationDistance / d;
        }
    }
}

void OrkHorde::pickWanderTarget(int i)
{
    if (!isActive(i))
        return;
    const Vector& here = *pos[i];
    const Vector& last = *footprintPos[i][footprintIndex[i]];
    for (int attempt = 0; attempt < Ork.wanderAttempts; ++attempt) {
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

bool OrkHorde::takeHit(int i, const Vector& blade)
{
    if (!isActive(i) || !(pos[i]->distance(blade) < Ork.hitDistance && health[i] >= 1))
        return false;
    --health[i];
    chargeTimer[i] = Ork.hitChargeTicks;
    pickWanderTarget(i);
    return true;
}
