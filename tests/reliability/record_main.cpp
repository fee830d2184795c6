// Records the golden replays: plays each scenario with its scripted bot on
// a fresh game (rand seeded with 1, as the replay test does), trying later
// and later level starts until the bot makes its point, and writes
// <scenario>.replay and <scenario>.expected. Run from the game directory:
//   orkcave_record OUTPUT_DIR [scenario ...]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/Game.h"
#include "reliability/ReplayBots.h"
#include "support/Headless.h"
#include "support/Replay.h"

namespace {
constexpr int MaxIntroTicks = 200;

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    return static_cast<bool>(out);
}

bool record(const std::string& directory, const std::string& scenario)
{
    for (int intro = 0; intro < MaxIntroTicks; ++intro) {
        headless::releaseInput();
        std::srand(1);
        std::unique_ptr<Game> game(new Game());
        BotRun run = playScenario(*game, scenario, intro);
        if (!run.reachedGoal)
            continue;
        const std::string base = directory + "/" + scenario;
        const std::string header = "# " + scenario + ": small level started after " + std::to_string(intro)
                                 + " intro ticks, " + std::to_string(tickCount(run.recording)) + " ticks in all\n";
        if (!writeFile(base + ".replay", header + formatRecording(run.recording))
            || !writeFile(base + ".expected", summarize(*game)))
            return false;
        std::printf("%s: %ld ticks in %zu lines (intro %d)\n", scenario.c_str(), tickCount(run.recording),
                    run.recording.size(), intro);
        return true;
    }
    std::printf("%s: no run made its point\n", scenario.c_str());
    return false;
}
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: orkcave_record OUTPUT_DIR [scenario ...]\n");
        return 2;
    }
    headless::start();
    std::vector<std::string> scenarios(argv + 2, argv + argc);
    if (scenarios.empty())
        scenarios.assign(std::begin(BotScenarios), std::end(BotScenarios));
    bool allRecorded = true;
    for (const std::string& scenario : scenarios)
        allRecorded = record(argv[1], scenario) && allRecorded;
    return allRecorded ? 0 : 1;
}
