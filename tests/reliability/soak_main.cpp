// Long soak of the real Game, every invariant checked on every tick. Run
// from the game directory: orkcave_soak [ticks] [draw every Nth tick] [seed]
#include <cstdio>
#include <cstdlib>

#include "core/Game.h"
#include "reliability/Soak.h"
#include "support/Headless.h"

int main(int argc, char** argv)
{
    const long ticks = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int drawEvery = argc > 2 && std::atoi(argv[2]) > 0 ? std::atoi(argv[2]) : 1;
    const uint32_t seed = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1;
    headless::start();
    // The game is freed as soon as play ends, so the leak check at exit sees only what play lost.
    const SoakReport report = runSoak(*std::make_unique<Game>(), ticks, drawEvery, seed);
    std::printf("soak: %ld ticks (drawn every %d), seed %u: %ld ork kills, %ld respawns\n", report.ticksRun,
                drawEvery, seed, report.orkKills, report.respawns);
    std::printf("soak: %s\n", report.problem.empty() ? "every invariant held on every tick" : report.problem.c_str());
    // A leak report at exit ends the process without flushing standard output.
    std::fflush(stdout);
    return report.problem.empty() ? 0 : 1;
}
