#include "reliability/Soak.h"

#include "core/Game.h"
#include "reliability/Invariants.h"
#include "reliability/SoakInput.h"

namespace {
int daggersOut(const Game& game)
{
    int out = 0;
    for (int k = 0; k < DaggerSet::DaggerCount; ++k)
        out += game.elf->daggers->state[k] == Flying;
    return out;
}

// Counts what happened in one tick, from the state before and after it.
struct TickWatch {
    bool wasDead;
    int wasScreen;
    int wasAlive;
    int wasFlying;
    int wasDeaths;

    explicit TickWatch(const Game& game)
        : wasDead(game.elf->dead),
          wasScreen(game.screens->state),
          wasAlive(game.orks->aliveCount),
          wasFlying(daggersOut(game)),
          wasDeaths(game.deaths)
    {
    }

    void count(const Game& game, bool levelStarted, SoakReport& report) const
    {
        if (levelStarted) {
            ++report.levelStarts;
            return;
        }
        // A strike and a respawn can fall in the same tick.
        report.deaths += !wasDead && (game.elf->dead || game.deaths > wasDeaths);
        report.respawns += game.deaths - wasDeaths;
        report.victories += wasScreen == Playing && game.screens->state == Victory;
        if (game.orks->aliveCount < wasAlive)
            report.orkKills += wasAlive - game.orks->aliveCount;
        if (daggersOut(game) > wasFlying)
            report.throws += daggersOut(game) - wasFlying;
    }
};

bool noteProblem(SoakReport& report, long tick, const std::string& problem)
{
    if (problem.empty())
        return false;
    report.problem = problem;
    report.problemTick = tick;
    return true;
}
}

SoakReport runSoak(Game& game, const SoakSettings& settings)
{
    SoakReport report;
    SoakInput input(settings.seed);
    uint64_t terrain = terrainFingerprint(game);
    for (long tick = 0; tick < settings.ticks; ++tick) {
        input.apply(game);
        TickWatch watch(game);
        game.update();
        report.ticksRun = tick + 1;
        const bool levelStarted = input.levelKeyHeld();
        watch.count(game, levelStarted, report);
        if (noteProblem(report, tick, findBrokenInvariant(game)))
            break;
        // Kind and debris are fixed from one level start to the next.
        const uint64_t now = terrainFingerprint(game);
        if (!levelStarted && now != terrain && noteProblem(report, tick, "terrain changed during play"))
            break;
        terrain = now;
        if (tick % settings.drawEvery == 0) {
            game.draw();
            ++report.framesDrawn;
            if (noteProblem(report, tick, findBrokenInvariant(game)))
                break;
        }
    }
    return report;
}
