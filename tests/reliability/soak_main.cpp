// Long soak of the real Game with plausible random input, checking the
// invariants on every tick. Run from the game directory:
//   orkcave_soak [ticks] [draw every Nth tick] [seed]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "core/Game.h"
#include "reliability/Soak.h"
#include "support/Headless.h"

int main(int argc, char** argv)
{
    SoakSettings settings;
    settings.ticks = 1000000;
    if (argc > 1)
        settings.ticks = std::atol(argv[1]);
    if (argc > 2)
        settings.drawEvery = std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 1;
    if (argc > 3)
        settings.seed = std::strtoull(argv[3], nullptr, 10);

    headless::start();
    headless::releaseInput();
    Game* game = new Game();
    auto start = std::chrono::steady_clock::now();
    SoakReport report = runSoak(*game, settings);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("soak: %ld ticks, %ld frames drawn (every %d), seed %llu, %.1f s (%.3f ms per tick)\n",
                report.ticksRun, report.framesDrawn, settings.drawEvery,
                static_cast<unsigned long long>(settings.seed), seconds, 1000.0 * seconds / report.ticksRun);
    std::printf("soak: %ld level starts, %ld throws, %ld ork kills, %ld deaths, %ld respawns, %ld victories\n",
                report.levelStarts, report.throws, report.orkKills, report.deaths, report.respawns,
                report.victories);
    if (!report.problem.empty()) {
        std::printf("soak: FAILED at tick %ld: %s\n", report.problemTick, report.problem.c_str());
        return 1;
    }
    std::printf("soak: every invariant held on every tick\n");
    delete game;
    return 0;
}
