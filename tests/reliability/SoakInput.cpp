#include "reliability/SoakInput.h"

#include <allegro.h>

#include <algorithm>
#include <cmath>

#include "core/Game.h"
#include "reliability/PathFinding.h"

namespace {
constexpr int LevelKeys[] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4};
constexpr int MinStretch = 5;
constexpr int MaxStretch = 80;
constexpr double LevelKeyChanceWhilePlaying = 1.0 / 4000.0;
constexpr double LevelKeyChanceOnPanel = 1.0 / 20.0;
constexpr int MaxLevelKeyHold = 3;  // a held key rebuilds on every tick
constexpr double RespawnChanceWhileDead = 0.08;
constexpr double SpaceChanceWhileAlive = 0.01;
constexpr double StealthChance = 0.15;
constexpr double SweepArrival = 2.0;
// Chances that a stretch hunts orks, fetches daggers or runs the bag errand.
constexpr double HuntChance = 0.3;
constexpr double FetchChance = 0.3;
constexpr double ErrandChance = 0.25;
constexpr double HuntReach = 600.0;
constexpr double HuntStandOff = 150.0;  // close enough to be seen and struck now and then
constexpr double WalkSlack = 12.0;      // within this on an axis, that key stays up
constexpr int EntranceOffsetTiles = 8;
constexpr int AimOffset = 32;           // the game aims 32 px up and left of the mouse
constexpr int ScreenW = 800;
constexpr int ScreenH = 700;
// The smaller levels come up more often: they are where orks, the bag and
// the entrance meet within a few hundred ticks.
constexpr int LevelKeyWeights[] = {5, 3, 1, 1};
}

SoakInput::SoakInput(uint64_t seed) : random(seed) {}

void SoakInput::startStretch()
{
    stretchTicks = random.between(MinStretch, MaxStretch);
    const int pattern = random.between(0, 9);
    up = down = left = right = false;
    if (pattern < 6) {  // one direction, or two at right angles
        const int first = random.between(0, 3);
        (first == 0 ? up : first == 1 ? down : first == 2 ? left : right) = true;
        if (random.chance(0.5)) {
            if (first < 2)
                (random.chance(0.5) ? left : right) = true;
            else
                (random.chance(0.5) ? up : down) = true;
        }
    } else if (pattern == 6) {  // opposite keys together
        up = down = true;
        right = random.chance(0.5);
    } else if (pattern < 9) {
        up = random.chance(0.5);
        down = random.chance(0.5);
        left = random.chance(0.5);
        right = random.chance(0.5);
    }  // else stand still
    fireChance = random.chance(0.3) ? 1.0 : random.chance(0.5) ? 0.1 : 0.0;
    stealth = random.chance(StealthChance);
    targetX = random.between(0, ScreenW - 1);
    targetY = random.between(0, ScreenH - 1);
    sweepSpeed = random.between(3, 60);
    hunting = random.chance(HuntChance);
    fetching = !hunting && random.chance(FetchChance);
    errand = !hunting && !fetching && random.chance(ErrandChance);
}

void SoakInput::walkToward(const Vector& from, const Vector& to, double standOff)
{
    const bool far = from.distance(to) > standOff;
    up = far && to.y < from.y - WalkSlack;
    down = far && to.y > from.y + WalkSlack;
    left = far && to.x < from.x - WalkSlack;
    right = far && to.x > from.x + WalkSlack;
}

void SoakInput::runBagErrand(const Game& game)
{
    const Vector& elf = *game.elf->position;
    Vector goal;
    goal.copyFrom(*game.bagPosition);
    if (game.elf->carryingBag) {  // the tile beyond the entrance point wins
        goal.x = (game.tileMap->width + EntranceOffsetTiles) * TileMap::TileSize + TileMap::TileSize / 2;
        goal.y = (game.tileMap->height + EntranceOffsetTiles) * TileMap::TileSize + TileMap::TileSize / 2;
    }
    const Vector waypoint = nextWaypoint(*game.tileMap, elf, goal);
    walkToward(elf, waypoint, 0.0);
    targetX = mouseX = std::clamp(waypoint.x - game.view->origin->x + AimOffset, 0.0, ScreenW - 1.0);
    targetY = mouseY = std::clamp(waypoint.y - game.view->origin->y + AimOffset, 0.0, ScreenH - 1.0);
    stealth = false;
    fireChance = 0.0;
}

void SoakInput::fetchNearestDagger(const Game& game)
{
    const DaggerSet& set = *game.elf->daggers;
    const Vector& elf = *game.elf->position;
    int nearest = -1;
    for (int k = 0; k < DaggerSet::DaggerCount; ++k)
        if (set.state[k] == Lying && (nearest < 0 || set.position[k]->distance(elf) < set.position[nearest]->distance(elf)))
            nearest = k;
    if (nearest >= 0)
        walkToward(elf, *set.position[nearest], 0.0);
}

void SoakInput::huntNearestOrk(const Game& game)
{
    const OrkHorde& orks = *game.orks;
    const Vector& elf = *game.elf->position;
    int nearest = -1;
    double nearestDistance = HuntReach;
    for (int i = 0; i < orks.count; ++i) {
        const double d = orks.pos[i]->distance(elf);
        if (orks.health[i] > 0 && d < nearestDistance) {
            nearest = i;
            nearestDistance = d;
        }
    }
    if (nearest < 0)
        return;
    const Vector& ork = *orks.pos[nearest];
    targetX = mouseX = std::clamp(ork.x - game.view->origin->x + AimOffset, 0.0, ScreenW - 1.0);
    targetY = mouseY = std::clamp(ork.y - game.view->origin->y + AimOffset, 0.0, ScreenH - 1.0);
    fireChance = 1.0;
    stealth = false;
    walkToward(elf, ork, HuntStandOff);
}

void SoakInput::sweepMouse()
{
    const double dx = targetX - mouseX;
    const double dy = targetY - mouseY;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < SweepArrival) {
        targetX = random.between(0, ScreenW - 1);
        targetY = random.between(0, ScreenH - 1);
        return;
    }
    const double step = d < sweepSpeed ? d : sweepSpeed;
    mouseX += dx / d * step;
    mouseY += dy / d * step;
}

void SoakInput::chooseLevelKey(const Game& game)
{
    lastLevelKey = -1;
    if (levelKeyTicks > 0) {
        --levelKeyTicks;
        lastLevelKey = heldLevelKey;
        return;
    }
    const double chance = game.screens->state == Playing ? LevelKeyChanceWhilePlaying : LevelKeyChanceOnPanel;
    if (!random.chance(chance))
        return;
    int pick = random.between(0, 9);
    int size = 0;
    while (pick >= LevelKeyWeights[size]) {
        pick -= LevelKeyWeights[size];
        ++size;
    }
    heldLevelKey = size;
    levelKeyTicks = random.between(1, MaxLevelKeyHold) - 1;
    lastLevelKey = size;
}

void SoakInput::apply(const Game& game)
{
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    if (--stretchTicks <= 0)
        startStretch();
    sweepMouse();
    if (hunting && game.screens->state == Playing)
        huntNearestOrk(game);
    if (fetching && game.screens->state == Playing)
        fetchNearestDagger(game);
    if (errand && game.screens->state == Playing)
        runBagErrand(game);

    chooseLevelKey(game);
    if (lastLevelKey >= 0)
        key[LevelKeys[lastLevelKey]] = 1;

    key[KEY_W] = up;
    key[KEY_S] = down;
    key[KEY_A] = left;
    key[KEY_D] = right;
    mouse_x = static_cast<int>(mouseX);
    mouse_y = static_cast<int>(mouseY);
    mouse_b = (random.chance(fireChance) ? 1 : 0) | (stealth ? 2 : 0);

    const double spaceChance = game.elf->dead ? RespawnChanceWhileDead : SpaceChanceWhileAlive;
    key[KEY_SPACE] = random.chance(spaceChance);
}
