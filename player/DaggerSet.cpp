#include "player/DaggerSet.h"

#include <cstdlib>

#include "core/DataFiles.h"
#include "perception/OrkHorde.h"
#include "perception/OrkKind.h"
#include "perception/PivotSprite.h"
#include "perception/View.h"
#include "sound/SoundBoard.h"
#include "world/TileMap.h"

namespace {
constexpr int FlightTicks = 15;
constexpr double StepLength = 50.0;

constexpr double RockHitRange = 450.0;

constexpr int SpinDegrees = 360;  // a stopped dagger comes to rest at a random turn

constexpr int PivotX = pivotOf(DataFile::Dagger).x;
constexpr int PivotY = pivotOf(DataFile::Dagger).y;


// Drops the dagger where it was a step ago and makes the noise of what stopped it.
void stopDagger(DaggerSet& set, int i, SampleIndex sample, double range)
{
    set.state[i] = Lying;
    set.position[i]->add(-set.scratch->x, -set.scratch->y);
    set.sound->playAt(*set.position[i], range, sample);
    set.heading[i] += std::rand() % SpinDegrees;
}

bool stopsDaggers(const Tile& tile)
{
    return tile.kind == Rock || tile.visibility == Unreachable;
}

// Every ork near the dagger is hit, even after the dagger has already stopped.
void hitOrks(DaggerSet& set, int i)
{
    OrkHorde& horde = *set.horde;
    const int orks = horde.activeCount();
    for (int j = 0; j < orks; ++j)
        if (horde.takeHit(j, *set.position[i]))
            stopDagger(set, i, DaggerHitsOrk, Ork.hurtCryRange);
}

void fly(DaggerSet& set, int i)
{
    // A step from the origin, against the heading's unit direction.
    set.scratch->placeAlong(Vector(), set.heading[i], -StepLength);

    if (stopsDaggers(set.map->tileAt(*set.position[i])))
        stopDagger(set, i, DaggerHitsRock, RockHitRange);
    hitOrks(set, i);

    if (--set.life[i] < 1)
        set.state[i] = Lying;
    if (set.state[i] == Flying)
        set.position[i]->add(set.scratch->x, set.scratch->y);
}
}

DaggerSet::DaggerSet() : scratch(new Vector()), inHandCount(DaggerCount)
{
    for (int i = 0; i < DaggerCount; ++i) {
        position[i].reset(new Vector());
        heading[i] = 0.0;
        state[i] = InHand;
        life[i] = 0;
    }
}

void DaggerSet::throwDagger(const Vector& start, double throwHeading)
{
    for (int i = 0; i < DaggerCount; ++i) {
        if (state[i] == InHand) {
            position[i]->copyFrom(start);
            heading[i] = throwHeading;
            state[i] = Flying;
            life[i] = FlightTicks;
            return;
        }
    }
}

void DaggerSet::update()
{
    inHandCount = 0;
    for (int i = 0; i < DaggerCount; ++i) {
        if (state[i] == InHand)
            ++inHandCount;
        else if (state[i] == Flying)
            fly(*this, i);
    }
}

void DaggerSet::draw(View& view)
{
    if (!sprite || !view.buffer)
        return;
    for (int i = 0; i < DaggerCount; ++i) {
        if (state[i] != Flying && state[i] != Lying)
            continue;
        const Vector& s = view.toScreen(*position[i]);
        pivotSprite(view.buffer, sprite, static_cast<int>(s.x), static_cast<int>(s.y), PivotX, PivotY,
                    allegroAngle(heading[i]));
    }
}
