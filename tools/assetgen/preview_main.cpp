// assetpreview GAME_DIR SHEET.png
// Contact sheet of the generated art: every listed picture at twice its size
// on grey, with the point it turns about marked, above a frame of play drawn
// by the game itself, to judge how the pictures work together. The game needs
// a window to draw in; without a display run it under xvfb-run.
#include <allegro.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/Game.h"
#include "core/MouseInput.h"
#include "core/Startup.h"
#include "tools/pngfile/OutputPath.h"
#include "tools/pngfile/PngFile.h"

namespace {

constexpr int SheetWidth = 1600;
constexpr int Gap = 8;
constexpr int Label = 12;

// The middle of the reachable floor tile with the most reachable floor
// around it: room for the scene.
Vector openGround(const TileMap& map)
{
    const int Reach = 3;  // tiles around the middle
    int best = -1, bestX = 1, bestY = 1;
    for (int x = Reach; x <= map.width - Reach; ++x)
        for (int y = Reach; y <= map.height - Reach; ++y) {
            int open = 0;
            for (int dx = -Reach; dx <= Reach; ++dx)
                for (int dy = -Reach; dy <= Reach; ++dy) {
                    const Tile& tile = map.tiles[x + dx][y + dy];
                    open += tile.kind == Floor && tile.visibility != Unreachable;
                }
            if (open > best && map.tiles[x][y].kind == Floor && map.tiles[x][y].visibility != Unreachable) {
                best = open;
                bestX = x;
                bestY = y;
            }
        }
    Vector middle;
    middle.x = (bestX + 0.5) * TileMap::TileSize;
    middle.y = (bestY + 0.5) * TileMap::TileSize;
    return middle;
}

// Stands the elf on open ground with the bag, a few orks and a corpse around
// it, throws daggers and lets the rules run a moment, so that footprints,
// flying and lying daggers and noise rings appear.
void playAMoment(Game& game)
{
    const int OrksShown = 4, PlayTicks = 14;
    game.screens->state = Playing;
    key[KEY_SPACE] = 1;
    game.update();
    key[KEY_SPACE] = 0;
    const Vector middle = openGround(*game.tileMap);
    game.elf->position->copyFrom(middle);
    game.bagPosition->x = middle.x - 120;
    game.bagPosition->y = middle.y + 40;
    game.orks->count = std::min(OrksShown, game.orks->count);  // no other ork walks in
    for (int i = 0; i < game.orks->count; ++i) {
        game.orks->pos[i]->x = middle.x + (i % 2 ? 260 : -260);
        game.orks->pos[i]->y = middle.y + (i / 2 ? 200 : -220);
    }
    game.orks->health[0] = 0;
    for (auto& column : game.tileMap->tiles)  // seen before: the half fog shows the cave around
        for (Tile& tile : column)
            tile.visibility = tile.visibility == Unseen ? Seen : tile.visibility;
    mouse_x = 640;
    mouse_y = 160;
    for (int tick = 0; tick < PlayTicks; ++tick) {
        mouse_b = tick % 10 == 0 ? LeftButton : 0;
        game.update();
    }
    game.draw();
}

// Moves (x, y) to the next row when a picture w wide does not fit; returns the row's bottom.
int placeNext(int& x, int& y, int& rowHeight, int w, int h)
{
    if (x + w + Gap > SheetWidth) {
        x = Gap;
        y += rowHeight + Gap;
        rowHeight = 0;
    }
    rowHeight = std::max(rowHeight, h + Label);
    return y + rowHeight;
}

// Lays the pictures out in rows, or only measures when sheet is null; returns the height used.
int drawPictures(BITMAP* sheet, BITMAP* const* pictures)
{
    int x = Gap, y = Gap, rowHeight = 0, bottom = 0;
    for (const DataFileEntry& file : dataFiles) {
        BITMAP* picture = pictures[static_cast<int>(file.id)];
        if (!picture)
            continue;
        const char* name = std::strrchr(file.path, '/') + 1;
        const int w = 2 * picture->w, h = 2 * picture->h, room = std::max(w, text_length(font, name));
        bottom = placeNext(x, y, rowHeight, room, h);
        if (sheet) {
            textout_ex(sheet, font, name, x, y, makecol(255, 255, 255), -1);
            rectfill(sheet, x, y + Label, x + w - 1, y + Label + h - 1, makecol(128, 128, 128));
            stretch_sprite(sheet, picture, x, y + Label, w, h);
            if (file.pivot.x >= 0)
                circle(sheet, x + 2 * file.pivot.x, y + Label + 2 * file.pivot.y, 3, makecol(0, 255, 255));
        }
        x += room + Gap;
    }
    return bottom + Gap;
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: assetpreview GAME_DIR SHEET.png\n");
        return 2;
    }
    const std::string out = outputPath(argv[2]);
    if (allegro_init() != 0 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "assetpreview: cannot start in %s\n", argv[1]);
        return 1;
    }
    set_color_depth(ColourDepth);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, WindowWidth, WindowHeight, 0, 0) != 0) {
        std::fprintf(stderr, "assetpreview: no window (%s); run it under xvfb-run\n", allegro_error);
        return 1;
    }
    BITMAP* pictures[DataFileCount] = {};
    int missing = 0;
    for (const DataFileEntry& file : dataFiles)
        if (file.kind == DataKind::Picture)
            missing += !(pictures[static_cast<int>(file.id)] = loadPicture(file.id, nullptr));
    Game game;
    playAMoment(game);
    const int top = drawPictures(nullptr, pictures);
    BITMAP* sheet = create_bitmap(SheetWidth, top + Label + game.backBuffer->h + Gap);
    clear_to_color(sheet, makecol(40, 40, 44));
    drawPictures(sheet, pictures);
    textout_ex(sheet, font, "a moment of play, drawn by the game", Gap, top, makecol(255, 255, 255), -1);
    blit(game.backBuffer.get(), sheet, 0, 0, Gap, top + Label, game.backBuffer->w, game.backBuffer->h);
    const bool saved = savePng(sheet, out);
    std::printf("assetpreview: %s %s (%d x %d)\n", saved ? "wrote" : "could not write", out.c_str(), sheet->w,
                sheet->h);
    for (BITMAP* picture : pictures)
        if (picture)
            destroy_bitmap(picture);
    destroy_bitmap(sheet);
    return saved && missing == 0 ? 0 : 1;
}
END_OF_MAIN()
