#include "Pilot.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int SmallLevelTiles = 20;
constexpr int ScreenPlaying = 0, ScreenIntro = 1, ScreenVictory = 2;
constexpr int RockKind = 2;
constexpr int UnreachableTile = -2;
constexpr int DaggerInHand = 0, DaggerFlying = 1, DaggerLying = 2;

// The game's own numbers.
constexpr double BodyRadius = 20.0;
constexpr double StrikeReach = 100.0;
constexpr int StrikeAt = 10;           // attack timer value at which the blow falls
constexpr double DaggerSpeed = 50.0;
constexpr double DaggerHitRadius = 55.0;
constexpr double OrkWalk = 6.0, OrkCharge = 24.0;
constexpr double DegreesToRadians = 0.0174532925;

// The bot's judgement.
constexpr double ExitBeyondEntrance = 44.0;  // victory needs strictly past the entrance point
constexpr double PathTolerance = 10.0;       // half a straight step: converges without hunting
constexpr double CarryTolerance = 8.0;
constexpr double PointTolerance = 4.0;
constexpr double ArmingDistance = 110.0;     // within 100 an ork winds up at once
constexpr double SafeDistance = 125.0;       // a step ending nearer an ork than this waits
constexpr double PatienceMs = 8000.0, BoldMs = 2500.0;
constexpr double DetourMs = 4000.0;
constexpr double ChargeAlarm = 260.0;
constexpr double ThrowRange = 280.0, ChargingThrowRange = 350.0, ThrowAnyway = 170.0;
constexpr double ComingForUs = 160.0;        // an ork charging at a point this near the elf
constexpr double TravelCone = 0.64;          // cos 50 degrees
constexpr double AimedWithin = 0.9945;       // cos 6 degrees: well inside a dagger's hit width
constexpr double MouseLever = 220.0;         // how far from the centre the mouse is put
constexpr double AimCentreX = 432.0, AimCentreY = 382.0;  // screen centre plus the aim offset
constexpr double DaggerDetour = 200.0;
constexpr double OrkNearPenaltyRange = 110.0, OrkWarnPenaltyRange = 190.0;
constexpr int OrkNearPenalty = 80, OrkWarnPenalty = 25;
constexpr double RespawnPauseMs = 700.0, RespawnPatienceMs = 5000.0, RespawnClearance = 250.0;
constexpr double StuckWindowMs = 1500.0, StuckDistance = 8.0, WiggleMs = 500.0;
constexpr double TrickDropMs = 450.0, TrickThrowMs = 350.0;

const TileView RockTile{RockKind, UnreachableTile, -1};

Point centreOf(Cell c) { return {c.column * 64.0 + 32.0, c.row * 64.0 + 32.0}; }
Cell cellOf(Point p) { return {static_cast<int>(p.x / TilePixels), static_cast<int>(p.y / TilePixels)}; }
Point minus(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
double length(Point a) { return std::sqrt(dot(a, a)); }
Point unit(Point a)
{
    double l = length(a);
    return l > 1e-9 ? Point{a.x / l, a.y / l} : Point{0.0, 0.0};
}
bool alive(const OrkView& ork) { return ork.health > 0; }

double elfSpeed(const Snapshot& s, bool diagonal)
{
    if (s.carryingBag)
        return diagonal ? 12.0 : 16.0;
    return diagonal ? 14.0 : 20.0;
}

// Where the daggers' aim is: the direction the elf looks, from its facing.
Point lookDirection(double facing)
{
    return {-std::sin(facing * DegreesToRadians), -std::cos(facing * DegreesToRadians)};
}
}

double distanceBetween(Point a, Point b) { return length(minus(a, b)); }

const TileView& tileUnder(const Snapshot& s, Point at)
{
    const double extent = GridTiles * TilePixels;
    if (!(at.x > 0.0) || !(at.y > 0.0) || !(at.x < extent) || !(at.y < extent))
        return RockTile;
    return s.tiles[static_cast<int>(at.x / TilePixels)][static_cast<int>(at.y / TilePixels)];
}

bool bodyHitsRock(const Snapshot& s, Point at)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (tileUnder(s, {at.x + dx * BodyRadius, at.y + dy * BodyRadius}).kind == RockKind)
                return true;
    return false;
}

bool lineBlocked(const Snapshot& s, Point from, Point to)
{
    const double step = 16.0;
    const double d = distanceBetween(from, to);
    for (double t = 0.0; t < d; t += step) {
        const TileView& tile = tileUnder(s, {from.x + (to.x - from.x) * t / d, from.y + (to.y - from.y) * t / d});
        if (tile.kind == RockKind || tile.visibility == UnreachableTile)
            return true;
    }
    return false;
}

Point predictOrk(const OrkView& ork, double ticks)
{
    if (ork.attackTimer > 0)
        return ork.pos;
    const Point way = minus(ork.target, ork.pos);
    const double d = length(way);
    if (d < 1.0)
        return ork.pos;
    const double fastTicks = std::min<double>(ticks, ork.chargeTimer);
    const double travelled = std::min(d, fastTicks * OrkCharge + (ticks - fastTicks) * OrkWalk);
    return {ork.pos.x + way.x / d * travelled, ork.pos.y + way.y / d * travelled};
}

Controls Pilot::decide(const Snapshot& s, double nowMs)
{
    Controls previous = controls;
    controls = Controls();
    controls.mouseX = previous.mouseX;
    controls.mouseY = previous.mouseY;
    if (!s.gameExists) {
        intent = "waiting for the game";
        return controls;
    }
    if (s.screenState == ScreenIntro && nowMs < introWaitMs) {
        intent = "reading the intro";
        return controls;
    }
    if (s.screenState == ScreenIntro || (s.screenState == ScreenPlaying && s.width != SmallLevelTiles)) {
        controls.smallLevel = true;
        intent = "starting a small level";
        return controls;
    }
    if (s.screenState == ScreenVictory) {
        intent = "victory";
        return controls;
    }
    if (s.dead)
        decideDead(s, nowMs);
    else
        decideAlive(s, nowMs);
    return controls;
}

void Pilot::decideDead(const Snapshot& s, double nowMs)
{
    trick = BagTrick::Idle;
    if (deadSince < 0.0)
        deadSince = nowMs;
    // Orks gather where the elf fell, which is where the bag now lies: give
    // them a moment to wander off before walking back in.
    bool orksAtBag = false;
    for (int i = 0; i < s.orkCount; ++i)
        if (alive(s.orks[i]) && distanceBetween(s.orks[i].pos, s.bag) < RespawnClearance)
            orksAtBag = true;
    const double waited = nowMs - deadSince;
    controls.respawn = waited > RespawnPauseMs && (!orksAtBag || waited > RespawnPatienceMs);
    intent = controls.respawn ? "respawning" : "dead, waiting for the orks to leave";
}

void Pilot::decideAlive(const Snapshot& s, double nowMs)
{
    deadSince = -1.0;
    for (int k = 0; k < Daggers; ++k)
        if (s.daggers[k].state == DaggerFlying && lastDaggerState[k] == DaggerInHand)
            ++throwsSeen;
    for (int k = 0; k < Daggers; ++k)
        lastDaggerState[k] = s.daggers[k].state;

    threatened = false;
    for (int i = 0; i < s.orkCount; ++i)
        if (alive(s.orks[i]) && distanceBetween(s.orks[i].pos, s.elf) < ChargeAlarm)
            threatened = true;
    chooseGoal(s, nowMs);
    followPath(s);
    noteProgress(nowMs);
    const bool dodging = keepSafe(s, nowMs);
    if (!dodging)
        unstick(s, nowMs);
    fight(s, nowMs);
    if (trick != BagTrick::Idle && !dodging)
        controls.up = controls.down = controls.left = controls.right = false;
}

void Pilot::chooseGoal(const Snapshot& s, double nowMs)
{
    if (s.carryingBag) {
        goal = {s.entrance().x + ExitBeyondEntrance, s.entrance().y + ExitBeyondEntrance};
        goalName = "carrying the bag out";
        detourDagger = -1;
        return;
    }
    // A dagger detour, once begun, holds until the dagger is back in hand:
    // switching goals at the edge of the detour range would only dither.
    if (detourDagger >= 0 && (s.daggers[detourDagger].state != DaggerLying || threatened || nowMs > detourUntil))
        detourDagger = -1;
    if (detourDagger < 0 && !threatened && s.daggersInHand < Daggers && nowMs > detourUntil) {
        double best = DaggerDetour;
        for (int k = 0; k < Daggers; ++k) {
            double d = distanceBetween(s.daggers[k].pos, s.elf);
            if (s.daggers[k].state == DaggerLying && d < best && !bodyHitsRock(s, s.daggers[k].pos)) {
                best = d;
                detourDagger = k;
            }
        }
        if (detourDagger >= 0)
            detourUntil = nowMs + DetourMs;
    }
    if (detourDagger >= 0) {
        goal = s.daggers[detourDagger].pos;
        goalName = "picking up a dagger";
    } else {
        goal = s.bag;
        goalName = "going for the bag";
    }
}

void Pilot::noteProgress(double nowMs)
{
    // Orks standing about in the only way through can hold the elf back for
    // good; after a while without getting nearer, it walks past them anyway.
    if (pathLength < bestPathLength || goalName != progressGoal) {
        bestPathLength = pathLength;
        progressGoal = goalName;
        lastProgress = nowMs;
    } else if (nowMs - lastProgress > PatienceMs) {
        boldUntil = nowMs + BoldMs;
        lastProgress = nowMs;
        bestPathLength = pathLength;
    }
}

void Pilot::followPath(const Snapshot& s)
{
    static WalkGrid grid;
    for (int c = 0; c < GridTiles; ++c)
        for (int r = 0; r < GridTiles; ++r) {
            grid.open[c][r] = s.tiles[c][r].kind != RockKind;
            grid.penalty[c][r] = 0;
            for (int i = 0; i < s.orkCount; ++i) {
                if (!alive(s.orks[i]))
                    continue;
                double d = distanceBetween(centreOf({c, r}), s.orks[i].pos);
                if (d < OrkNearPenaltyRange)
                    grid.penalty[c][r] += OrkNearPenalty;
                else if (d < OrkWarnPenaltyRange)
                    grid.penalty[c][r] += OrkWarnPenalty;
            }
        }
    std::vector<Cell> path = finder.find(grid, cellOf(s.elf), cellOf(goal));
    pathLength = path.empty() ? bestPathLength : static_cast<int>(path.size());
    if (path.size() <= 1) {
        steerToward(s, goal, PointTolerance);
        intent = goalName + " (last steps)";
        return;
    }
    const Point c0 = centreOf(path[0]), c1 = centreOf(path[1]);
    const double tolerance = s.carryingBag ? CarryTolerance : PathTolerance;
    const Point offset = minus(s.elf, c0);
    const Point along = unit(minus(c1, c0));
    const double ahead = dot(offset, along);
    const double aside = std::fabs(offset.x * along.y - offset.y * along.x);
    const bool centred = std::fabs(offset.x) <= tolerance && std::fabs(offset.y) <= tolerance;
    // Leave a tile for the next only from its centre line, so that turns
    // never clip the rock beside them.
    steerToward(s, centred || (ahead > 0.0 && aside <= tolerance) ? c1 : c0, tolerance);
    pathDirection = along;
    intent = goalName + ", " + std::to_string(path.size()) + " tiles to go";
}

void Pilot::steerToward(const Snapshot& s, Point goal, double tolerance)
{
    const Point d = minus(goal, s.elf);
    controls.right = d.x > tolerance;
    controls.left = d.x < -tolerance;
    controls.down = d.y > tolerance;
    controls.up = d.y < -tolerance;
    if (controls.left || controls.right || controls.up || controls.down)
        travel = unit({controls.right ? 1.0 : controls.left ? -1.0 : 0.0, controls.down ? 1.0 : controls.up ? -1.0 : 0.0});
    pathDirection = travel;
}

bool Pilot::keepSafe(const Snapshot& s, double nowMs)
{
    bool mustFlee = false;
    for (int i = 0; i < s.orkCount; ++i) {
        const OrkView& ork = s.orks[i];
        if (!alive(ork))
            continue;
        const double d = distanceBetween(ork.pos, s.elf);
        // A wind-up strikes at timer 10; fleeing gains 20 px a tick until then.
        const bool windingUp = ork.attackTimer > StrikeAt && d < StrikeReach + 20.0 * (ork.attackTimer - StrikeAt) + 40.0;
        const bool coming = ork.chargeTimer > 0 && d < ChargeAlarm && distanceBetween(ork.target, s.elf) < ComingForUs;
        if (d < ArmingDistance || windingUp || coming)
            mustFlee = true;
    }
    const bool stepSafe = nearestOrkAfter(s, plannedStep(s)) >= SafeDistance;
    if (!mustFlee && (stepSafe || nowMs < boldUntil))
        return false;

    // Score every step, standing still included. Fleeing puts distance
    // first; otherwise any safe step will do, the one along the path best.
    double bestScore = -1e9;
    int bestX = 0, bestY = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const double speed = elfSpeed(s, dx && dy);
            const Point step{dx * speed, dy * speed};
            if ((dx || dy) && bodyHitsRock(s, {s.elf.x + step.x, s.elf.y + step.y}))
                continue;
            const double nearest = nearestOrkAfter(s, step);
            int room = 0;  // open ground ahead: don't flee into a dead end
            while ((dx || dy) && room < 5 &&
                   !bodyHitsRock(s, {s.elf.x + step.x * (room + 2), s.elf.y + step.y * (room + 2)}))
                ++room;
            const double along = dot(unit(step), pathDirection);
            const double score = mustFlee ? std::min(nearest, 400.0) + 8.0 * room + 6.0 * along
                                          : (nearest >= SafeDistance ? 1000.0 : nearest) + 25.0 * along + room;
            if (score > bestScore) {
                bestScore = score;
                bestX = dx;
                bestY = dy;
            }
        }
    controls.left = bestX < 0;
    controls.right = bestX > 0;
    controls.up = bestY < 0;
    controls.down = bestY > 0;
    intent = mustFlee ? "keeping away from an ork" : "waiting for an ork to pass";
    return true;
}

Point Pilot::plannedStep(const Snapshot& s) const
{
    const int dx = controls.right - controls.left, dy = controls.down - controls.up;
    const double speed = elfSpeed(s, dx && dy);
    return {dx * speed, dy * speed};
}

double Pilot::nearestOrkAfter(const Snapshot& s, Point step) const
{
    const Point next{s.elf.x + step.x, s.elf.y + step.y};
    double nearest = 1e9;
    for (int i = 0; i < s.orkCount; ++i)
        if (alive(s.orks[i]))
            nearest = std::min(nearest, distanceBetween(next, predictOrk(s.orks[i], 1.0)));
    return nearest;
}

void Pilot::unstick(const Snapshot& s, double nowMs)
{
    const bool moving = controls.up || controls.down || controls.left || controls.right;
    if (!moving || distanceBetween(s.elf, stuckAnchor) > StuckDistance) {
        stuckAnchor = s.elf;
        stuckSince = nowMs;
    } else if (nowMs - stuckSince > StuckWindowMs) {
        wiggleSeed = wiggleSeed * 1103515245u + 12345u;
        wiggle = {static_cast<double>(static_cast<int>(wiggleSeed >> 16) % 3 - 1),
                  static_cast<double>(static_cast<int>(wiggleSeed >> 20) % 3 - 1)};
        wiggleUntil = nowMs + WiggleMs;
        stuckSince = nowMs;
    }
    if (nowMs < wiggleUntil) {
        controls.left = wiggle.x < 0;
        controls.right = wiggle.x > 0;
        controls.up = wiggle.y < 0;
        controls.down = wiggle.y > 0;
        intent = "stuck, wiggling";
    }
}

bool Pilot::worthADagger(const Snapshot& s, int i) const
{
    const OrkView& ork = s.orks[i];
    if (!alive(ork))
        return false;
    const double d = distanceBetween(ork.pos, s.elf);
    const bool coming = ork.chargeTimer > 0 && distanceBetween(ork.target, s.elf) < ComingForUs;
    if (d > (coming ? ChargingThrowRange : ThrowRange))
        return false;
    const bool ahead = dot(unit(minus(ork.pos, s.elf)), pathDirection) > TravelCone;
    return (coming || d < ThrowAnyway || ahead) && !lineBlocked(s, s.elf, ork.pos);
}

int Pilot::throwTarget(const Snapshot& s)
{
    // Keep to one ork while it stays worth it: flicking between two never
    // lets the elf's facing settle for a throw.
    if (currentTarget >= 0 && currentTarget < s.orkCount && worthADagger(s, currentTarget))
        return currentTarget;
    currentTarget = -1;
    double bestDistance = 1e9;
    for (int i = 0; i < s.orkCount; ++i) {
        const double d = distanceBetween(s.orks[i].pos, s.elf);
        if (d < bestDistance && worthADagger(s, i)) {
            bestDistance = d;
            currentTarget = i;
        }
    }
    return currentTarget;
}

void Pilot::aimAt(const Snapshot& s, Point world)
{
    const Point d = unit(minus(world, s.elf));
    if (d.x == 0.0 && d.y == 0.0)
        return;
    controls.mouseX = std::clamp(static_cast<int>(AimCentreX + d.x * MouseLever), 0, 799);
    controls.mouseY = std::clamp(static_cast<int>(AimCentreY + d.y * MouseLever), 0, 699);
}

void Pilot::fight(const Snapshot& s, double nowMs)
{
    const int target = s.daggersInHand > 0 ? throwTarget(s) : -1;
    if (target < 0) {
        // Look where it walks, so that the cone shows what lies ahead.
        aimAt(s, {s.elf.x + travel.x * 100.0, s.elf.y + travel.y * 100.0});
        if (trick == BagTrick::Dropping)
            trick = BagTrick::Idle;
        if (trick == BagTrick::Throwing && nowMs - trickSince > TrickThrowMs)
            trick = BagTrick::Idle;
        controls.fire = trick == BagTrick::Throwing;
        return;
    }
    // Lead the ork: the throw comes on the next tick, then the dagger flies.
    const OrkView& ork = s.orks[target];
    Point aim = ork.pos;
    for (int pass = 0; pass < 2; ++pass)
        aim = predictOrk(ork, 1.5 + distanceBetween(aim, s.elf) / DaggerSpeed);
    aimAt(s, aim);
    const bool aimed = dot(lookDirection(s.facing), unit(minus(aim, s.elf))) > AimedWithin ||
                       distanceBetween(ork.pos, s.elf) < DaggerHitRadius;
    intent += ", throwing at ork " + std::to_string(target);

    if (trick == BagTrick::Idle && s.carryingBag) {
        // Carrying blocks throwing: drop the bag with one tick of stealth,
        // throw on the next, and walk on with it picked up again.
        if (aimed && s.throwCooldown == 0) {
            trick = BagTrick::Dropping;
            trickSince = nowMs;
        }
    }
    switch (trick) {
    case BagTrick::Idle:
        controls.fire = aimed && !s.carryingBag;
        break;
    case BagTrick::Dropping:
        controls.stealth = true;
        if (!s.carryingBag) {
            trick = BagTrick::Throwing;
            trickSince = nowMs;
            controls.stealth = false;
            controls.fire = true;
        } else if (nowMs - trickSince > TrickDropMs) {
            trick = BagTrick::Idle;
            controls.stealth = false;
        }
        break;
    case BagTrick::Throwing:
        controls.fire = true;
        if (s.throwCooldown > 0 || nowMs - trickSince > TrickThrowMs) {
            trick = BagTrick::Idle;
            controls.fire = false;
        }
        break;
    }
}
