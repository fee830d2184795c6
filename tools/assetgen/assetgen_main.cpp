// Writes every picture and sound of the game into the game directory given
// as the first argument: <dir>/textures/*.bmp and <dir>/sounds/*.wav; with a
// second argument, also the desktop icons and the window icon's XPM source
// into that directory.
#define ALLEGRO_NO_MAGIC_MAIN
#include "Families.h"

#include <allegro.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: assetgen <game directory> [<icon directory>]\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "assetgen: Allegro did not start\n");
        return 1;
    }
    // Painting happens in floats and is written as 24-bit files already
    // dithered onto the 16-bit grid, so the depth set here only matters for
    // Allegro's own conversions, which we avoid.
    set_color_depth(24);
    std::string game = argv[1];
    std::string textures = game + "/textures", sounds = game + "/sounds";
    mkdir(game.c_str(), 0755);
    mkdir(textures.c_str(), 0755);
    mkdir(sounds.c_str(), 0755);
    makeTerrain(game);
    makeDebris(game);
    makeOrks(game);
    makeElf(game);
    makeItems(game);
    makeHud(game);
    makePanels(game);
    makeSounds(game);
    // A file added to the game's data list without its painting code shows here.
    for (const DataFileEntry& file : dataFiles)
        if (access(dataFileIn(game, file.id).c_str(), R_OK) != 0) {
            std::fprintf(stderr, "assetgen: nothing made %s\n", file.path);
            return 1;
        }
    if (argc == 3) {
        mkdir(argv[2], 0755);
        makeIcons(argv[2]);
        if (!makeWindowIcon(argv[2])) {
            std::fprintf(stderr, "assetgen: cannot write the window icon into %s\n", argv[2]);
            return 1;
        }
    }
    return 0;
}
