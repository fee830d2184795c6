// What ties the orks to the elf: seeing it, being heard, striking it, and
// which orks and footprints the elf gets to see.
#include <allegro.h>

#include "core/InputLatch.h"
#include "core/MouseInput.h"
#include "perception/Debris.h"
#include "perception/OrkHorde.h"
#include "perception/OrkKind.h"
#include "perception/Sight.h"
#include "player/Elf.h"
#include "sound/SoundBoard.h"
#include "world/TileMap.h"

namespace {
// The cone's apex sits behind the elf, and its reach still counts from the elf.
constexpr double ConeExtraRange = Elf::EyeDistance;
constexpr double FootprintNearby = 90.0;
constexpr double OrkNearby = 120.0;

void lookForElf(OrkHorde& horde, int i)
{
    if (input::buttonHeld(RightButton) || horde.health[i] <= 0)
        return;
    const Vector& elf = *horde.elf->position;
    const double heading = horde.pos[i]->angleFrom(*horde.target[i]);
    if (horde.sight->inCone(*horde.pos[i], elf, heading, horde.sightRange, horde.sightHalfAngle)
        && !horde.sight->isBlocked(*horde.pos[i], elf)) {
        horde.target[i]->copyFrom(elf);
        horde.chargeTimer[i] = Ork.sightChargeTicks;
    }
}

void makeFootstepNoise(OrkHorde& horde, int i)
{
    const bool freeStep = horde.health[i] > 0 && horde.attackTimer[i] == 0 && horde.stepTimer[i] == Ork.quietStepPhase;
    if (!freeStep && horde.stepTimer[i] != Ork.loudStepPhase)
        return;
    const Vector& here = *horde.pos[i];
    const Tile& tile = horde.tileMap->tileAt(here);
    if (tile.debris > 0 && tile.debris < Debris::KindCount)
        horde.sound->playAt(here, horde.debrisTable->noiseRange[tile.debris], FirstDebrisStep + tile.debris);
    if (tile.kind == Water)
        horde.sound->playAt(here, Ork.waterStepRange, WaterStep);
}

void windUpAttack(OrkHorde& horde, int i)
{
    const Vector& elf = *horde.elf->position;
    if (horde.pos[i]->distance(elf) < Ork.strikeReach && horde.attackTimer[i] < Ork.rearmBelow && horde.health[i] > 0) {
        horde.attackTimer[i] = horde.attackPause;
        horde.target[i]->copyFrom(elf);
    }
}

void strike(OrkHorde& horde, int i)
{
    if (horde.attackTimer[i] != Ork.strikePhase || horde.health[i] <= 0)
        return;
    if (horde.pos[i]->distance(*horde.elf->position) < Ork.strikeReach) {
        horde.elf->kill();
        horde.sound->playAt(*horde.pos[i], Ork.strikeNoiseRange, StrikeLands);
    } else {
        horde.sound->playAt(*horde.pos[i], Ork.strikeNoiseRange, StrikeMisses);
    }
}

bool elfSees(OrkHorde& horde, const Vector& point)
{
    const Elf& elf = *horde.elf;
    return horde.sight->inCone(*elf.eyePoint, point, elf.facing, elf.viewRange + ConeExtraRange, elf.viewHalfAngle)
        && !horde.sight->isBlocked(*elf.position, point);
}
}

void OrkHorde::perceive(int i)
{
    if (!isActive(i))
        return;
    lookForElf(*this, i);
    makeFootstepNoise(*this, i);
    windUpAttack(*this, i);
    strike(*this, i);
}

void OrkHorde::drawFootprints(View& view)
{
    const int active = activeCount();
    for (int i = 0; i < active; ++i) {
        for (int j = 0; j < FootprintCount; ++j) {
            const Vector& print = *footprintPos[i][j];
            if (elfSees(*this, print) || elf->position->distance(print) < FootprintNearby)
                drawFootprint(view, i, j);
        }
    }
}

void OrkHorde::drawOrks(View& view)
{
    const int active = activeCount();
    for (int i = 0; i < active; ++i) {
        const Vector& ork = *pos[i];
        if (elfSees(*this, ork) || elf->position->distance(ork) < OrkNearby || health[i] < 1)
            drawOrk(view, i);
    }
}
