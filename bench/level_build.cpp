// Attempts and time that build needs for each level size, over many builds
// from the shipped segment files. Run from build/game so maps/ resolves.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "world/LevelSizes.h"
#include "world/SegmentCheck.h"
#include "world/TileMap.h"

namespace {
constexpr int BuildsPerSize = 200;

struct SizeFigures {
    int minAttempts;
    int medianAttempts;
    int maxAttempts;
    double meanAttempts;
    double msPerBuild;
    double msPerAttempt;
    int failures;
    int minReachablePercent;
    int medianReachablePercent;
};

// Share of the playing area that can be walked from the entrance.
int reachablePercent(const TileMap& map)
{
    int reachable = 0;
    for (int x = 1; x <= map.width; ++x)
        for (int y = 1; y <= map.height; ++y)
            reachable += map.tiles[x][y].kind != Rock && map.tiles[x][y].visibility != Unreachable;
    return 100 * reachable / (map.width * map.height);
}

SizeFigures measure(TileMap& map, const LevelSize& size)
{
    std::vector<int> attempts;
    std::vector<int> reachable;
    int failures = 0;
    std::chrono::duration<double, std::milli> elapsed(0);
    for (int i = 0; i < BuildsPerSize; ++i) {
        auto start = std::chrono::steady_clock::now();
        if (!map.build(size.width, size.height, size.segmentCount))
            ++failures;
        elapsed += std::chrono::steady_clock::now() - start;
        attempts.push_back(map.buildAttempts);
        reachable.push_back(reachablePercent(map));
    }
    std::sort(reachable.begin(), reachable.end());
    std::sort(attempts.begin(), attempts.end());
    long total = 0;
    for (int a : attempts)
        total += a;
    return {attempts.front(), attempts[attempts.size() / 2], attempts.back(),
        static_cast<double>(total) / attempts.size(), elapsed.count() / BuildsPerSize,
        elapsed.count() / total, failures, reachable.front(), reachable[reachable.size() / 2]};
}
}

int main()
{
    std::string problem = findSegmentProblem();
    if (!problem.empty()) {
        std::fprintf(stderr, "%s (run from build/game)\n", problem.c_str());
        return 1;
    }
    TileMap map;
    std::printf("Level build, %d builds per size, unseeded rand\n", BuildsPerSize);
    std::printf("%-7s %7s %5s | attempts: %4s %6s %4s %6s | %9s %11s | %7s | reachable %%: %3s %6s\n", "size",
        "extent", "segs", "min", "median", "max", "mean", "ms/build", "ms/attempt", "gave up", "min", "median");
    for (const LevelSize& size : LevelSizes) {
        SizeFigures f = measure(map, size);
        std::printf("%-7s %4dx%-2d %5d | attempts: %4d %6d %4d %6.2f | %9.3f %11.3f | %7d | reachable %%: %3d %6d\n",
            size.name, size.width, size.height, size.segmentCount, f.minAttempts, f.medianAttempts, f.maxAttempts,
            f.meanAttempts, f.msPerBuild, f.msPerAttempt, f.failures, f.minReachablePercent, f.medianReachablePercent);
    }
    return 0;
}
