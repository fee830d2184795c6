#pragma once

#include <string>

#include "PathFinder.h"
#include "Snapshot.h"
#include "XdoInput.h"

// The bot's player: from one snapshot of the game, what to hold down now.
// It starts a small level, walks a tile path to the bag and back out past
// the entrance, keeps away from orks that are about to strike, throws
// daggers at orks that come for it (dropping the bag for a tick to do so
// when carrying it), and respawns after death once the orks have left.
class Pilot {
public:
    Controls decide(const Snapshot& s, double nowMs);

    // How long to stay on the intro: every tick there draws one random
    // number, so this picks which small level gets built.
    double introWaitMs = 0.0;

    // What it is doing, for the log.
    std::string intent;
    int throwsSeen = 0;

private:
    enum class BagTrick { Idle, Dropping, Throwing };

    Controls controls;
    double deadSince = -1.0;
    BagTrick trick = BagTrick::Idle;
    double trickSince = 0.0;
    int lastCooldown = 0;
    Point travel{0.0, -1.0};  // direction of the last step asked for
    Point stuckAnchor;
    double stuckSince = 0.0;
    double wiggleUntil = -1.0;
    Point wiggle;
    unsigned wiggleSeed = 1;
    PathFinder finder;
    bool threatened = false;         // an ork is near enough to matter
    Point pathDirection{0.0, -1.0};  // where the path leads from here
    int lastDaggerState[Daggers] = {};
    Point goal;
    std::string goalName;
    int detourDagger = -1;
    double detourUntil = -1.0;
    int pathLength = 0;
    int bestPathLength = 1 << 30;
    std::string progressGoal;
    double lastProgress = 0.0;
    double boldUntil = -1.0;
    int currentTarget = -1;

    void decideDead(const Snapshot& s, double nowMs);
    void decideAlive(const Snapshot& s, double nowMs);
    void chooseGoal(const Snapshot& s, double nowMs);
    void noteProgress(double nowMs);
    // Overrides the path's step when an ork is about to strike, charges, or
    // stands where the step would lead; true when it did.
    bool keepSafe(const Snapshot& s, double nowMs);
    Point plannedStep(const Snapshot& s) const;
    double nearestOrkAfter(const Snapshot& s, Point step) const;
    void followPath(const Snapshot& s);
    void fight(const Snapshot& s, double nowMs);
    void unstick(const Snapshot& s, double nowMs);
    void steerToward(const Snapshot& s, Point goal, double tolerance);
    void aimAt(const Snapshot& s, Point world);
    int throwTarget(const Snapshot& s);
    bool worthADagger(const Snapshot& s, int i) const;
};

// Shared geometry and rules, also used by the play-shot chooser.
double distanceBetween(Point a, Point b);
bool bodyHitsRock(const Snapshot& s, Point at);
bool lineBlocked(const Snapshot& s, Point from, Point to);
const TileView& tileUnder(const Snapshot& s, Point at);
// Where an ork will be in `ticks` ticks if it keeps to its rules.
Point predictOrk(const OrkView& ork, double ticks);
