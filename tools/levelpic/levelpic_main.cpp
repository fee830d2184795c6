// levelpic SIZE OUT.png [SEED] [GAME_DIR]
// Builds a level of size code 0 to 3 from GAME_DIR/maps (default: the working
// directory) and writes a picture of the whole map. Without SEED the random
// numbers are unseeded, as in the game, so size 2 shows the game's first level.
#include <allegro.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "LevelPicture.h"
#include "tools/pngfile/OutputPath.h"
#include "tools/pngfile/PngFile.h"
#include "world/LevelSizes.h"
#include "world/SegmentCheck.h"
#include "world/TileMap.h"

namespace {
constexpr int BlockSize = 6;

int usage()
{
    std::fprintf(stderr, "usage: levelpic SIZE(0-3) OUT.png [SEED] [GAME_DIR]\n");
    return 2;
}
}

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5)
        return usage();
    int sizeCode = std::atoi(argv[1]);
    if (sizeCode < 0 || sizeCode >= LevelSizeCount)
        return usage();
    const std::string outPath = outputPath(argv[2]);
    if (argc >= 4)
        std::srand(static_cast<unsigned>(std::atoi(argv[3])));
    if (argc >= 5 && chdir(argv[4]) != 0) {
        std::fprintf(stderr, "levelpic: cannot enter %s\n", argv[4]);
        return 1;
    }
    std::string problem = findSegmentProblem();
    if (!problem.empty()) {
        std::fprintf(stderr, "levelpic: %s\n", problem.c_str());
        return 1;
    }
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0)
        return 1;

    const LevelSize& size = LevelSizes[sizeCode];
    TileMap map;
    bool built = map.build(size.width, size.height, size.segmentCount);
    std::printf("%s %s\n", size.name, describeLevel(map).c_str());
    BITMAP* picture = drawLevelPicture(map, BlockSize);
    bool saved = picture && savePng(picture, outPath);
    if (picture)
        destroy_bitmap(picture);
    if (!saved)
        std::fprintf(stderr, "levelpic: could not write %s\n", outPath.c_str());
    return built && saved ? 0 : 1;
}
END_OF_MAIN()
