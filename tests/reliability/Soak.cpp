#include "reliability/Soak.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "core/Game.h"
#include "support/Headless.h"

namespace {
// Orks stay near the grid: probes off it read rock and push them back, and
// separation moves one by at most 60 px, so a tile of slack (ork places) is plenty.
constexpr double GridPixels = TileMap::GridSize * TileMap::TileSize;
constexpr int LevelKeys[] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4};
constexpr int MoveKeys[] = {KEY_W, KEY_A, KEY_S, KEY_D};

bool within(double value, double low, double high)
{
    return low <= value && value <= high;
}

// A finite point inside the grid widened by slack on every side.
bool onGrid(const Vector& v, double slack)
{
    return std::isfinite(v.z) && within(v.x, -slack, GridPixels + slack) && within(v.y, -slack, GridPixels + slack);
}

// What must hold after every tick, whatever the player does: "" or the first break.
std::string findBrokenInvariant(const Game& game)
{
    const Elf& elf = *game.elf;
    const OrkHorde& orks = *game.orks;
    // Rock pushes the elf back before it comes to rest, and off the grid is rock.
    if (!within(game.screens->state, Playing, Victory) || game.deaths < 0 || game.tileMap->outsideTile->kind != Rock
        || !onGrid(*elf.position, 0) || !std::isfinite(elf.facing) || game.tileMap->tileAt(*elf.position).kind == Rock
        || !within(elf.throwCooldown, 0, 14) || !within(elf.daggers->inHandCount, 0, 10))
        return "screen, deaths, off-grid rock, or the elf's place or counters";
    int living = 0;
    for (int i = 0; i < orks.count; ++i) {
        living += orks.health[i] > 0;
        if (!within(orks.health[i], 0, 2) || !within(orks.chargeTimer[i], 0, 30) || !within(orks.attackTimer[i], 0, 18)
            || !within(orks.stepTimer[i], 0, 16) || !onGrid(*orks.pos[i], TileMap::TileSize))
            return "ork " + std::to_string(i) + ": health, timers or place";
    }
    // The horde counts the living after its orks move, on every tick of play.
    return game.screens->state == Intro || living == orks.aliveCount ? "" : "aliveCount is not the living";
}

// Keys held for stretches, opposite ones together too, the mouse sweeping,
// throws, stealth, Space while dead, now and then a level key.
struct Player {
    std::minstd_rand random;
    int stretch = 0;
    int moveKeys = 0;
    double fireChance = 0.0;
    bool stealth = false;
    double mouseX = 400, mouseY = 350, targetX = 400, targetY = 350;

    bool chance(double p) { return random() < p * random.max(); }

    // Sets the input of the next tick; returns whether it holds a level key.
    bool play(const Game& game)
    {
        if (--stretch <= 0) {
            stretch = 5 + random() % 76;
            moveKeys = random() % 16;
            fireChance = random() % 3 == 0 ? 1.0 : 0.05;
            stealth = random() % 7 == 0;
            targetX = random() % 800;
            targetY = random() % 700;
        }
        headless::releaseInput();
        mouseX += (targetX - mouseX) / 8;  // the mouse sweeps toward the stretch's point
        mouseY += (targetY - mouseY) / 8;
        mouse_x = static_cast<int>(mouseX);
        mouse_y = static_cast<int>(mouseY);
        for (int k = 0; k < 4; ++k)
            key[MoveKeys[k]] = (moveKeys >> k) & 1;
        mouse_b = (chance(fireChance) ? 1 : 0) | (stealth ? 2 : 0);
        key[KEY_SPACE] = chance(game.elf->dead ? 0.08 : 0.01);
        // Mostly the small level: there orks, the bag and the entrance meet soon.
        const bool levelKey = chance(game.screens->state == Playing ? 1.0 / 4000 : 1.0 / 20);
        if (levelKey)
            key[LevelKeys[chance(0.5) ? 0 : random() % 4]] = 1;
        return levelKey;
    }
};
}

SoakReport runSoak(Game& game, long ticks, int drawEvery, uint32_t seed, const std::function<void()>& afterDraw)
{
    SoakReport report;
    Player player{std::minstd_rand(seed)};
    for (long tick = 0; tick < ticks && report.problem.empty(); ++tick) {
        const bool levelKey = player.play(game);
        const int wasAlive = game.orks->aliveCount;
        const int wasDeaths = game.deaths;
        game.update();
        report.ticksRun = tick + 1;
        // A level key starts afresh: its changes are neither deaths nor kills.
        report.respawns += levelKey ? 0 : game.deaths - wasDeaths;
        report.orkKills += levelKey ? 0 : std::max(0, wasAlive - game.orks->aliveCount);
        report.problem = findBrokenInvariant(game);
        if (report.problem.empty() && tick % drawEvery == 0) {
            game.draw();
            report.problem = findBrokenInvariant(game);
            if (afterDraw)
                afterDraw();
        }
        if (!report.problem.empty())
            report.problem += " (tick " + std::to_string(tick) + ")";
    }
    return report;
}
