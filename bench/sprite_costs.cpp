// What one picture costs to draw into a window-sized 16-bit buffer: as a
// plain masked sprite, as a run-length sprite, as a blit (which ignores the
// mask) and as a select per pixel (drawSpriteFast's way). Run from build/game.
#include <chrono>
#include <cstdio>
#include <string>

#include "core/Startup.h"
#include "support/Headless.h"
#include "world/FastSprite.h"

namespace {
constexpr int Draws = 2000;
const char* const Pictures[] = {"dirt",  "fog",     "halffog", "water", "rock",     "wfade",
                                "rfade", "debris0", "debris4", "bag",   "crosshair"};

// The map's half fog: the fog with a checkerboard of holes.
void pierceHalfFog(BITMAP* picture)
{
    for (int i = 0; i < 2 * picture->w; i += 2) {
        line(picture, i, 0, i - picture->w, picture->h, maskColour());
        line(picture, i - picture->w, 0, i, picture->h, maskColour());
    }
}

using Clock = std::chrono::steady_clock;

template <typename Draw>
double microsecondsPerDraw(Draw draw)
{
    Clock::time_point start = Clock::now();
    for (int i = 0; i < Draws; ++i)
        draw(100 + (i * 37) % 500, 100 + (i * 53) % 400);
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / Draws;
}
}

int main()
{
    headless::start();
    BITMAP* buffer = create_bitmap(WindowWidth, WindowHeight);
    PALETTE palette;
    std::printf("%-10s %9s %9s %9s %9s\n", "picture", "sprite us", "rle us", "blit us", "select us");
    for (const char* name : Pictures) {
        char path[64];
        std::snprintf(path, sizeof path, "textures//%s.bmp", std::string(name) == "halffog" ? "fog" : name);
        BITMAP* picture = load_bitmap(path, palette);
        if (!picture) {
            std::fprintf(stderr, "cannot load %s (run from build/game)\n", path);
            return 1;
        }
        if (std::string(name) == "halffog")
            pierceHalfFog(picture);
        RLE_SPRITE* rle = get_rle_sprite(picture);
        double sprite = microsecondsPerDraw([&](int x, int y) { draw_sprite(buffer, picture, x, y); });
        double runs = microsecondsPerDraw([&](int x, int y) { draw_rle_sprite(buffer, rle, x, y); });
        double copy =
            microsecondsPerDraw([&](int x, int y) { blit(picture, buffer, 0, 0, x, y, picture->w, picture->h); });
        double select = microsecondsPerDraw([&](int x, int y) { drawSpriteFast(buffer, picture, x, y); });
        std::printf("%-10s %9.2f %9.2f %9.2f %9.2f\n", name, sprite, runs, copy, select);
        destroy_rle_sprite(rle);
        destroy_bitmap(picture);
    }
    return 0;
}
