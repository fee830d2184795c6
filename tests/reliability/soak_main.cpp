// Long soak of the real Game, every invariant checked on every tick. Run
// from the game directory: orkcave_soak [ticks] [draw every Nth tick] [seed]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/Game.h"
#include "reliability/Soak.h"
#include "support/Headless.h"

int main(int argc, char** argv)
{
    const long ticks = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int drawEvery = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 1;
    const uint32_t seed = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1;
    headless::start();
    const auto game = std::make_unique<Game>();
    const auto start = std::chrono::steady_clock::now();
    const SoakReport report = runSoak(*game, ticks, drawEvery, seed);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("soak: %ld ticks (drawn every %d), seed %u, in %.0f s: %ld levels started, %ld victories, "
                "%ld ork kills, %ld respawns\n",
                report.ticksRun, drawEvery, seed, took.count(), report.levelsStarted, report.victories,
                report.orkKills, report.respawns);
    std::printf("soak: %s\n", report.problem.empty() ? "every invariant held on every tick" : report.problem.c_str());
    // A leak report at exit ends the process without flushing standard output.
    std::fflush(stdout);
    return report.problem.empty() ? 0 : 1;
}
