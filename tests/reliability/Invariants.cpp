#include "reliability/Invariants.h"

#include <cmath>
#include <sstream>

#include "core/Game.h"

namespace {
// Orks stay near the grid: probes off it read rock and push them back by
// 15 px, separation moves one by at most 60 px, so a tile's width of slack
// around the 6400-px grid is plenty.
constexpr double GridPixels = TileMap::GridSize * TileMap::TileSize;
constexpr double OrkSlack = TileMap::TileSize;
constexpr int MaxOrkHealth = 2;           // fresh orks; hits only take away
constexpr int MaxChargeTimer = 30;        // set to 15 on sight, 30 on a hit; only counts down
constexpr int MaxAttackTimer = 18;        // armed with attackPause, at most 18 (its first value)
constexpr int MaxStepTimer = 16;          // counts down and wraps from below 0 to 16
constexpr int MaxFootprintAge = 120;      // age of a fresh footprint; only counts down
constexpr int MaxDaggerLife = 15;         // flight ticks of a fresh throw
constexpr int MaxThrowCooldown = 14;  // a throw sets 15 and the same update takes one off
constexpr int MaxRingLevel = 255;         // 255 × distance / range with distance ≤ range
constexpr int MaxExtent = 85;             // build's clamp: the level stays on the grid
constexpr int DebrisKinds = 6;

class Checker {
public:
    explicit Checker(Game& g) : game(g) {}

    std::string run()
    {
        checkScreens() && checkMap() && checkElf() && checkDaggers() && checkOrks() && checkRings();
        return problem.str();
    }

private:
    bool fail(const std::string& what)
    {
        problem << what;
        return false;
    }
    bool finite(const Vector& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }
    bool within(double value, double low, double high) { return low <= value && value <= high; }
    template <typename T>
    bool require(bool holds, const char* what, T detail)
    {
        if (holds)
            return true;
        std::ostringstream text;
        text << what << " (" << detail << ")";
        return fail(text.str());
    }

    bool checkScreens()
    {
        // Only three screens exist: Playing, Intro, Victory.
        return require(within(game.screens->state, Playing, Victory), "screen state out of 0..2", game.screens->state)
            // Deaths only grow by one per respawn and go back to 0 at a level start.
            && require(game.deaths >= 0, "negative deaths", game.deaths)
            // The camera and the aim come from the elf's position and the mouse,
            // both finite; a NaN here would spread into every drawing offset.
            && require(finite(*game.view->origin), "camera origin not finite", game.view->origin->x)
            && require(finite(*game.aimPoint), "aim point not finite", game.aimPoint->x)
            && require(finite(*game.bagPosition), "bag position not finite", game.bagPosition->x);
    }

    bool checkMap()
    {
        TileMap& map = *game.tileMap;
        // build clamps the extents so that the entrance and the debris walk fit on the grid.
        if (!require(within(map.width, 1, MaxExtent) && within(map.height, 1, MaxExtent), "level extents",
                     map.width))
            return false;
        // Whatever callers look at off the grid must read as rock.
        if (!require(map.outsideTile->kind == Rock, "outside tile is not rock", map.outsideTile->kind))
            return false;
        for (int x = 0; x < TileMap::GridSize; ++x)
            for (int y = 0; y < TileMap::GridSize; ++y) {
                const char* broken = brokenTileRule(map, x, y);
                if (broken) {
                    std::ostringstream at;
                    at << "tile " << x << "," << y;
                    return require(false, broken, at.str());
                }
            }
        return true;
    }

    const char* brokenTileRule(const TileMap& map, int x, int y)
    {
        const Tile& tile = map.tiles[x][y];
        // Only the three kinds exist; drawing and sight switch on them.
        if (!within(tile.kind, Floor, Rock))
            return "tile kind out of 0..2";
        // Only the four fog states exist; the fog layer switches on them.
        if (!within(tile.visibility, Unreachable, InSight))
            return "tile visibility out of -2..1";
        // Debris indexes the six debris pictures, and level start strews it on floor only.
        if (tile.debris != -1 && !(within(tile.debris, 0, DebrisKinds - 1) && tile.kind == Floor))
            return "debris out of range or off floor";
        // paste refuses water next to rock and turns water beside new rock to floor.
        if (tile.kind == Water && hasRockAround(map, x, y))
            return "water beside rock";
        return nullptr;
    }

    // Neighbours off the grid count as rock, as paste sees them.
    bool hasRockAround(const TileMap& map, int x, int y)
    {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const int nx = x + dx;
                const int ny = y + dy;
                if ((dx || dy)
                    && (nx < 0 || ny < 0 || nx >= TileMap::GridSize || ny >= TileMap::GridSize
                        || map.tiles[nx][ny].kind == Rock))
                    return true;
            }
        return false;
    }

    bool checkElf()
    {
        const Elf& elf = *game.elf;
        return require(finite(*elf.position) && finite(*elf.eyePoint) && std::isfinite(elf.facing),
                       "elf position or facing not finite", elf.position->x)
            // Off the grid is rock, and rock pushes the elf back, so it never leaves the grid.
            && require(within(elf.position->x, 0.0, GridPixels) && within(elf.position->y, 0.0, GridPixels),
                       "elf off the grid", elf.position->x)
            // A step is at most 20 px and a probe 20 px ahead in rock pushes the elf
            // back by 20, so its centre never comes to rest inside rock.
            && require(game.tileMap->tileAt(*elf.position).kind != Rock, "elf inside rock", elf.position->x)
            // Only counts down between throws.
            && require(within(elf.throwCooldown, 0, MaxThrowCooldown), "throw cooldown", elf.throwCooldown);
    }

    bool checkDaggers()
    {
        const DaggerSet& set = *game.elf->daggers;
        // A count of the ten slots.
        if (!require(within(set.inHandCount, 0, DaggerSet::DaggerCount), "inHandCount out of 0..10",
                     set.inHandCount))
            return false;
        for (int k = 0; k < DaggerSet::DaggerCount; ++k) {
            // Only InHand, Flying and Lying exist.
            if (!require(within(set.state[k], InHand, Lying), "dagger state out of 0..2", k)
                // A flight starts with 15 ticks and ends at 0.
                || !require(within(set.life[k], 0, MaxDaggerLife), "dagger life", set.life[k])
                || !require(finite(*set.position[k]) && std::isfinite(set.heading[k]), "dagger not finite", k))
                return false;
            // A dagger that is out stops at rock, and off the grid is rock, so it
            // lies at most one 50-px step off the grid.
            if (set.state[k] != InHand
                && !require(within(set.position[k]->x, -50.0, GridPixels + 50.0)
                                && within(set.position[k]->y, -50.0, GridPixels + 50.0),
                            "dagger far off the grid", k))
                return false;
        }
        return true;
    }

    bool checkOrks()
    {
        const OrkHorde& orks = *game.orks;
        // The tick divides by count, and there are 50 slots.
        if (!require(within(orks.count, 1, OrkHorde::SlotCount), "ork count out of 1..50", orks.count)
            || !require(within(orks.aliveCount, 0, orks.count), "aliveCount above count", orks.aliveCount)
            // Either the constructor's values or those derived from the dead share.
            || !require(within(orks.sightRange, 100.0, 450.0), "ork sight range", orks.sightRange)
            || !require(within(orks.sightHalfAngle, 20.0, 70.0), "ork sight half-angle", orks.sightHalfAngle)
            || !require(within(orks.attackPause, 11, 18), "attack pause", orks.attackPause))
            return false;
        for (int i = 0; i < orks.count; ++i)
            if (!checkOrk(orks, i))
                return false;
        return true;
    }

    bool checkOrk(const OrkHorde& orks, int i)
    {
        const Vector& pos = *orks.pos[i];
        if (!require(within(orks.health[i], 0, MaxOrkHealth), "ork health out of 0..2", i)
            || !require(within(orks.chargeTimer[i], 0, MaxChargeTimer), "charge timer", i)
            || !require(within(orks.attackTimer[i], 0, MaxAttackTimer), "attack timer", i)
            || !require(within(orks.stepTimer[i], 0, MaxStepTimer), "step timer", i)
            // The newest footprint's slot in the ring of 15.
            || !require(within(orks.footprintIndex[i], 0, OrkHorde::FootprintCount - 1),
                        "footprintIndex out of 0..14", i)
            || !require(finite(pos) && finite(*orks.target[i]), "ork position or target not finite", i)
            || !require(within(pos.x, -OrkSlack, GridPixels + OrkSlack)
                            && within(pos.y, -OrkSlack, GridPixels + OrkSlack),
                        "ork far off the grid", i))
            return false;
        for (int j = 0; j < OrkHorde::FootprintCount; ++j)
            if (!require(within(orks.footprintAge[i][j], 0, MaxFootprintAge), "footprint age", i)
                || !require(finite(*orks.footprintPos[i][j]) && std::isfinite(orks.footprintHeading[i][j]),
                            "footprint not finite", i))
                return false;
        return true;
    }

    bool checkRings()
    {
        const SoundBoard& sound = *game.sound;
        for (int k = 0; k < SoundBoard::RingCount; ++k) {
            // Attenuation of the sound that opened the ring; 0 marks it free.
            if (!require(within(sound.ringLevel[k], 0, MaxRingLevel), "ring level out of 0..255", k)
                // A ring starts at radius 0 or 175 and grows by 20 until it passes its range.
                || !require(std::isfinite(sound.ringRadius[k]) && sound.ringRadius[k] >= 0.0, "ring radius", k)
                || !require(std::isfinite(sound.ringRange[k]) && sound.ringRange[k] > 0.0, "ring range", k)
                || !require(finite(*sound.ringCenter[k]), "ring centre not finite", k))
                return false;
        }
        return true;
    }

    Game& game;
    std::ostringstream problem;
};
}

std::string findBrokenInvariant(Game& game)
{
    return Checker(game).run();
}

uint64_t terrainFingerprint(const Game& game)
{
    // FNV-1a over kind and debris, column by column.
    uint64_t hash = 1469598103934665603ull;
    for (int x = 0; x < TileMap::GridSize; ++x)
        for (int y = 0; y < TileMap::GridSize; ++y) {
            const Tile& tile = game.tileMap->tiles[x][y];
            hash = (hash ^ static_cast<uint64_t>(tile.kind + 4 * (tile.debris + 1))) * 1099511628211ull;
        }
    return hash;
}
