// Cost of one game tick (update plus draw) while a scripted elf walks
// through each level size, of startLevel, and of the builds inside it.
// Headless; run from build/game so textures/ and maps/ resolve.
// Usage: bench_frame_tick [--json FILE] [--ticks N] [--shots DIR]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/Game.h"
#include "support/Headless.h"
#include "WanderingElf.h"
#include "world/LevelSizes.h"
#include "world/SegmentCheck.h"

namespace {
constexpr int DefaultTicks = 600;
constexpr int WarmUpTicks = 20;
constexpr int LevelStartsPerSize = 40;
constexpr int ShotEvery = 100;
const char* shotsDir = nullptr;  // --shots DIR saves a frame now and then, to see what was measured
const char* const SizeKeys[LevelSizeCount] = {"small", "medium", "large", "huge"};

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    size_t index = static_cast<size_t>(fraction * (values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

struct SizeFigures {
    double tickMedian;
    double tickP99;
    double tickMax;
    double startMedian;
    double startMax;
    double attemptsMedian;
    int deadTicks;
};

SizeFigures measureSize(Game& game, int size, int ticks)
{
    SizeFigures f{};
    std::vector<double> starts;
    std::vector<double> attempts;
    for (int i = 0; i < LevelStartsPerSize; ++i) {
        Clock::time_point start = Clock::now();
        game.startLevel(size);
        starts.push_back(msSince(start));
        attempts.push_back(game.tileMap->buildAttempts);
    }
    f.startMedian = percentile(starts, 0.5);
    f.startMax = percentile(starts, 1.0);
    f.attemptsMedian = percentile(attempts, 0.5);

    WanderingElf player(size + 1);
    std::vector<double> tickTimes;
    int deadTicks = 0;
    for (int t = 0; t < WarmUpTicks + ticks; ++t) {
        player.steer(game);
        deadTicks += game.elf->dead;
        Clock::time_point start = Clock::now();
        game.update();
        game.draw();
        if (t >= WarmUpTicks)
            tickTimes.push_back(msSince(start));
        if (shotsDir && t % ShotEvery == 0) {
            std::string path = std::string(shotsDir) + "/" + SizeKeys[size] + "-" + std::to_string(t) + ".png";
            headless::savePng(game.backBuffer.get(), path.c_str());
        }
    }
    headless::releaseInput();
    f.tickMedian = percentile(tickTimes, 0.5);
    f.tickP99 = percentile(tickTimes, 0.99);
    f.tickMax = percentile(tickTimes, 1.0);
    f.deadTicks = deadTicks;
    return f;
}

void writeObject(std::FILE* out, const char* name, const SizeFigures* figures, double SizeFigures::*field,
                 bool last)
{
    std::fprintf(out, "  \"%s\": {", name);
    for (int s = 0; s < LevelSizeCount; ++s)
        std::fprintf(out, "\"%s\": %.4f%s", SizeKeys[s], figures[s].*field, s + 1 < LevelSizeCount ? ", " : "");
    std::fprintf(out, "}%s\n", last ? "" : ",");
}

bool writeJson(const char* path, const SizeFigures* figures)
{
    std::FILE* out = std::fopen(path, "w");
    if (!out)
        return false;
    std::fprintf(out, "{\n");
    writeObject(out, "tick_ms_median", figures, &SizeFigures::tickMedian, false);
    writeObject(out, "tick_ms_p99", figures, &SizeFigures::tickP99, false);
    writeObject(out, "start_level_ms_median", figures, &SizeFigures::startMedian, false);
    writeObject(out, "start_level_ms_max", figures, &SizeFigures::startMax, false);
    writeObject(out, "build_attempts_median", figures, &SizeFigures::attemptsMedian, true);
    std::fprintf(out, "}\n");
    return std::fclose(out) == 0;
}
}

int main(int argc, char** argv)
{
    const char* jsonPath = nullptr;
    int ticks = DefaultTicks;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--json") == 0)
            jsonPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--shots") == 0)
            shotsDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--ticks") == 0)
            ticks = std::max(1, std::atoi(argv[i + 1]));
    }
    std::string problem = findSegmentProblem();
    if (!problem.empty()) {
        std::fprintf(stderr, "%s (run from build/game)\n", problem.c_str());
        return 1;
    }
    headless::start();
    Game game;

    SizeFigures figures[LevelSizeCount];
    std::printf("Game tick (update + draw), %d ticks per size; startLevel, %d starts per size\n", ticks,
                LevelStartsPerSize);
    std::printf("%-7s | tick ms: %7s %7s %7s | startLevel ms: %7s %7s | build attempts %6s | dead ticks\n", "size",
                "median", "p99", "max", "median", "max", "median");
    for (int s = 0; s < LevelSizeCount; ++s) {
        figures[s] = measureSize(game, s, ticks);
        const SizeFigures& f = figures[s];
        std::printf("%-7s | tick ms: %7.3f %7.3f %7.3f | startLevel ms: %7.3f %7.3f | build attempts %6.0f | %d\n",
                    SizeKeys[s], f.tickMedian, f.tickP99, f.tickMax, f.startMedian, f.startMax, f.attemptsMedian,
                    f.deadTicks);
    }
    if (jsonPath && !writeJson(jsonPath, figures)) {
        std::fprintf(stderr, "cannot write %s\n", jsonPath);
        return 1;
    }
    return 0;
}
