// assetlist OUT.cmake GAME_DIR ICON_DIR
// Writes, as CMake, what the build needs to know of the generated art: every
// file `assetgen GAME_DIR ICON_DIR` writes, named by the generator's own
// code, the desktop icon's sizes, and the screen the preview's window needs.
// The build compiles and runs it while it is configured (AssetFiles.cmake).
#include "Outputs.h"
#include "core/Startup.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A CMake list as a bracket argument, which takes every character as written.
void writeSet(std::FILE* out, const std::string& name, const std::vector<std::string>& values)
{
    std::string list;
    for (const std::string& value : values)
        list += (list.empty() ? "" : ";") + value;
    std::fprintf(out, "set(%s [==[%s]==])\n", name.c_str(), list.c_str());
}

}

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: assetlist OUT.cmake GAME_DIR ICON_DIR\n");
        return 2;
    }
    const std::string game = argv[2], icons = argv[3];
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::fprintf(stderr, "assetlist: cannot write %s\n", argv[1]);
        return 1;
    }
    writeSet(out, "ORKCAVE_ASSET_FILES", generatedFiles(game, icons));
    std::vector<std::string> sizes;
    for (int size : IconSizes) {
        sizes.push_back(std::to_string(size));
        writeSet(out, "ORKCAVE_ICON_FILE_" + sizes.back(), {iconFile(icons, size)});
    }
    writeSet(out, "ORKCAVE_ICON_SIZES", sizes);
    writeSet(out, "ORKCAVE_WINDOW_SIZE", {std::to_string(WindowWidth) + "x" + std::to_string(WindowHeight)});
    if (std::fclose(out) != 0) {
        std::fprintf(stderr, "assetlist: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
