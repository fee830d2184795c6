// Contact sheet of the generated art, loaded the way the game loads it (16-
// bit colour, magenta transparent): every picture at 1:1 and 2:1 on grey
// and on dirt, a patch of mixed terrain drawn in the map's layer order, and
// optionally a mock play frame.
#define ALLEGRO_NO_MAGIC_MAIN
#include "Families.h"
#include "PngFile.h"
#include "core/Screens.h"
#include "perception/View.h"
#include "world/TileMap.h"

#include <allegro.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int SheetWidth = 2200;
constexpr int Gap = 8;
constexpr int Label = 12;

struct Pictures {
    std::string dir;
    BITMAP* get(DataFile file) const
    {
        std::string path = dataFileIn(dir, file);
        BITMAP* b = load_bitmap(path.c_str(), nullptr);
        if (!b)
            std::fprintf(stderr, "assetpreview: cannot load %s\n", path.c_str());
        return b;
    }
};

// Runs draw the way the game's own code expects to be run: in the game
// directory, which its loaders read from, and with a graphics driver that
// gives SCREEN_W and SCREEN_H the frame's size.
template <typename Draw>
void asTheGame(const std::string& gameDir, int w, int h, Draw draw)
{
    GFX_DRIVER screenSize = {};
    screenSize.w = w;
    screenSize.h = h;
    gfx_driver = &screenSize;
    char previous[4096];
    if (getcwd(previous, sizeof previous) && chdir(gameDir.c_str()) == 0) {
        draw();
        if (chdir(previous) != 0)
            std::fprintf(stderr, "assetpreview: cannot return to %s\n", previous);
    }
    gfx_driver = nullptr;
}

// The half fog exactly as the map pierces it.
BITMAP* gameHalfFog(const std::string& gameDir)
{
    BITMAP* half = nullptr;
    asTheGame(gameDir, 800, 700, [&] {
        TileMap map;
        map.loadTextures(nullptr);
        if (map.halfFog) {
            half = create_bitmap(map.halfFog->w, map.halfFog->h);
            blit(map.halfFog, half, 0, 0, 0, 0, half->w, half->h);
        }
    });
    return half;
}

void tileDirt(BITMAP* target, BITMAP* dirt, int x0, int y0, int w, int h, int ox = 0, int oy = 0)
{
    set_clip_rect(target, x0, y0, x0 + w - 1, y0 + h - 1);
    for (int y = y0 - oy; y < y0 + h; y += 128)
        for (int x = x0 - ox; x < x0 + w; x += 128)
            draw_sprite(target, dirt, x, y);
    set_clip_rect(target, 0, 0, target->w - 1, target->h - 1);
}

// One picture at 1:1 and 2:1, each on grey and on dirt, labelled with its name.
void drawEntry(BITMAP* sheet, BITMAP* pic, BITMAP* dirt, const char* name, int x, int y)
{
    int w = pic->w, h = pic->h;
    int grey = makecol(128, 128, 128);
    textout_ex(sheet, font, name, x, y, makecol(255, 255, 255), -1);
    y += Label;
    int cx = x;
    for (int zoom = 1; zoom <= 2; ++zoom)
        for (int ground = 0; ground < 2; ++ground) {
            int cw = w * zoom + 8, ch = h * zoom + 8;
            if (ground == 0)
                rectfill(sheet, cx, y, cx + cw - 1, y + ch - 1, grey);
            else
                tileDirt(sheet, dirt, cx, y, cw, ch);
            stretch_sprite(sheet, pic, cx + 4, y + 4, w * zoom, h * zoom);
            cx += cw + 4;
        }
}

int entryWidth(BITMAP* pic) { return (pic->w + 8) * 2 + (pic->w * 2 + 8) * 2 + 16; }
int entryHeight(BITMAP* pic) { return pic->h * 2 + 8 + Label; }

// Terrain tile kinds for the patch: . floor, w water, r rock; fog: # full, h half.
struct Patch {
    std::vector<std::string> kinds;
    std::vector<std::string> fogs;
};

void drawPatch(BITMAP* target, const Pictures& pics, const Patch& patch, int x0, int y0, int ox, int oy)
{
    BITMAP* dirt = pics.get(DataFile::Dirt);
    BITMAP* water = pics.get(DataFile::Water);
    BITMAP* rock = pics.get(DataFile::Rock);
    BITMAP* wfade = pics.get(DataFile::WaterFade);
    BITMAP* rfade = pics.get(DataFile::RockFade);
    BITMAP* fog = pics.get(DataFile::Fog);
    BITMAP* half = gameHalfFog(pics.dir);
    int rows = patch.kinds.size(), cols = patch.kinds[0].size();
    int w = cols * 64, h = rows * 64;
    BITMAP* area = create_bitmap(w, h);
    clear_to_color(area, 0);
    tileDirt(area, dirt, 0, 0, w, h, ox, oy);
    auto each = [&](auto fn) {
        for (int r = -1; r <= rows; ++r)
            for (int c = -1; c <= cols; ++c) {
                bool inside = r >= 0 && c >= 0 && r < rows && c < cols;
                char kind = inside ? patch.kinds[r][c] : 'r';
                char fogKind = inside && !patch.fogs.empty() ? patch.fogs[r][c] : (patch.fogs.empty() ? '.' : '#');
                fn(c * 64 - 32 - ox, r * 64 - 32 - oy, kind, fogKind);
            }
    };
    each([&](int x, int y, char k, char) {
        if (k == 'w') draw_sprite(area, wfade, x, y);
        if (k == 'r') draw_sprite(area, rfade, x, y);
    });
    each([&](int x, int y, char k, char) {
        if (k == 'w') draw_sprite(area, water, x, y);
        if (k == 'r') draw_sprite(area, rock, x, y);
    });
    each([&](int x, int y, char, char f) {
        if (f == '#') draw_sprite(area, fog, x, y);
        if (f == 'h') draw_sprite(area, half, x, y);
    });
    blit(area, target, 0, 0, x0, y0, w, h);
    for (BITMAP* b : {dirt, water, rock, wfade, rfade, fog, half, area})
        destroy_bitmap(b);
}

bool savePng(BITMAP* bmp, const std::string& path)
{
    std::vector<uint8_t> rgb(bmp->w * bmp->h * 3);
    for (int y = 0; y < bmp->h; ++y)
        for (int x = 0; x < bmp->w; ++x) {
            int c = getpixel(bmp, x, y);
            uint8_t* p = &rgb[(y * bmp->w + x) * 3];
            p[0] = getr(c);
            p[1] = getg(c);
            p[2] = getb(c);
        }
    return writePng(path, bmp->w, bmp->h, rgb);
}

const Patch TerrainPatch = {
    {"rr..w", "rr.ww", "r..ww", "..r..", ".rrr."},
    {".....", ".....", "..hhh", "hh###", "hh###"},
};

int contactSheet(const Pictures& pics, const std::string& out)
{
    BITMAP* dirt = pics.get(DataFile::Dirt);
    std::vector<BITMAP*> loaded;
    std::vector<std::string> names;
    int missing = 0;
    int x = Gap, y = Gap, rowHeight = 0;
    struct Place { int x, y; };
    std::vector<Place> places;
    for (const DataFileEntry& file : dataFiles) {
        if (file.kind != DataKind::Picture)
            continue;
        BITMAP* pic = pics.get(file.id);
        if (!pic) {
            ++missing;
            continue;
        }
        if (x + entryWidth(pic) > SheetWidth) {
            x = Gap;
            y += rowHeight + Gap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        loaded.push_back(pic);
        const std::string path = file.path;
        const size_t from = path.rfind('/') + 1;
        names.push_back(path.substr(from, path.rfind('.') - from));
        x += entryWidth(pic);
        rowHeight = std::max(rowHeight, entryHeight(pic));
    }
    int patchTop = y + rowHeight + Gap * 2;
    int patchSize = 5 * 64;
    BITMAP* sheet = create_bitmap(SheetWidth, patchTop + Label + patchSize * 2 + Gap * 2);
    clear_to_color(sheet, makecol(40, 40, 44));
    for (size_t i = 0; i < loaded.size(); ++i)
        drawEntry(sheet, loaded[i], dirt, names[i].c_str(), places[i].x, places[i].y);
    textout_ex(sheet, font, "terrain patch in map layer order (1:1, then 2:1)", Gap, patchTop, makecol(255, 255, 255), -1);
    BITMAP* patch = create_bitmap(patchSize, patchSize);
    drawPatch(patch, pics, TerrainPatch, 0, 0, 0, 0);
    blit(patch, sheet, 0, 0, Gap, patchTop + Label, patchSize, patchSize);
    stretch_blit(patch, sheet, 0, 0, patchSize, patchSize, Gap * 2 + patchSize, patchTop + Label, patchSize * 2,
                 patchSize * 2);
    bool ok = savePng(sheet, out);
    std::printf("assetpreview: wrote %s (%d x %d)\n", out.c_str(), sheet->w, sheet->h);
    return ok && missing == 0 ? 0 : 1;
}

}

int mockFrame(const std::string& gameDir, const std::string& out);

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: assetpreview <game directory> <sheet.png> [mock.png]\n");
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    Pictures pics{argv[1]};
    int result = contactSheet(pics, argv[2]);
    if (result == 0 && argc > 3)
        result = mockFrame(argv[1], argv[3]);
    return result;
}

namespace {

// A made-up stretch of cave: r rock, w water, . floor, digits floor with
// that debris kind. Fog: ' ' in sight, h seen before, # never seen.
const char* const MockKinds[] = {
    "rrrrrrrrrrrrrrr", "rr....rrr...rrr", "r.....rr..w..rr", "r..r.......wwrr", "r.rrr...1..wwrr",
    "r..r..2.......r", "r.............r", "rr..5.....3r..r", "rrr....0..rrrrr", "r...ww..4...rrr",
    "r..www.......rr", "r...w..rr....rr", "rrrrrrrrrrrrrrr"};
const char* const MockFog[] = {
    "##hhhhhhh######", "##hhh    hhh###", "#hhh      hh###", "#hhh        h##", "#hhh        hh#",
    "#hhhh      hhh#", "#hhhhh    hhhh#", "##hhhhh  hhhh##", "###hhhhhhhhh###", "####hhhhhhh####",
    "#####hhhhh#####", "###############", "###############"};

constexpr int MockOriginX = 20, MockOriginY = 36;

fixed turnTo(float degreesClockwiseFromUp) { return ftofix(degreesClockwiseFromUp * 256.0f / 360.0f); }

struct MockSprites {
    BITMAP *dirt, *water, *rock, *wfade, *rfade, *fog, *half, *debris[6];
    BITMAP *ork[3], *orkDead, *print[3], *blood, *elf[3], *bag, *dagger, *crosshair;
};

MockSprites loadMockSprites(const Pictures& p)
{
    MockSprites m;
    m.dirt = p.get(DataFile::Dirt);
    m.water = p.get(DataFile::Water);
    m.rock = p.get(DataFile::Rock);
    m.wfade = p.get(DataFile::WaterFade);
    m.rfade = p.get(DataFile::RockFade);
    m.fog = p.get(DataFile::Fog);
    m.half = gameHalfFog(p.dir);
    for (int i = 0; i < 6; ++i)
        m.debris[i] = p.get(nthDataFile(DataFile::Debris0, i));
    for (int i = 0; i < 3; ++i) {
        m.ork[i] = p.get(nthDataFile(DataFile::Ork0, i));
        m.print[i] = p.get(nthDataFile(DataFile::Footprint0, i));
        m.elf[i] = p.get(nthDataFile(DataFile::Elf0, i));
    }
    m.orkDead = p.get(DataFile::OrkDead);
    m.blood = p.get(DataFile::Blood);
    m.bag = p.get(DataFile::Bag);
    m.dagger = p.get(DataFile::Dagger);
    m.crosshair = p.get(DataFile::Crosshair);
    return m;
}

char mockKind(int col, int row)
{
    if (row < 0 || col < 0 || row >= 13 || col >= 15)
        return 'r';
    return MockKinds[row][col];
}

char mockFog(int col, int row)
{
    if (row < 0 || col < 0 || row >= 13 || col >= 15)
        return '#';
    return MockFog[row][col];
}

template <typename Fn>
void eachTile(Fn fn)
{
    for (int cy = -64; cy < 700 + 64; cy += 64)
        for (int cx = -64; cx < 800 + 64; cx += 64) {
            int col = (cx + MockOriginX) / 64, row = (cy + MockOriginY) / 64;
            if (cx + MockOriginX < 0) col = -1;
            if (cy + MockOriginY < 0) row = -1;
            fn(col, row, cx - MockOriginX % 64, cy - MockOriginY % 64);
        }
}

void drawOrkAt(BITMAP* frame, BITMAP* sprite, float wx, float wy, float facing)
{
    pivot_sprite(frame, sprite, int(wx) - MockOriginX, int(wy) - MockOriginY, 50, 100, turnTo(facing));
}

void drawPrintTrail(BITMAP* frame, const MockSprites& m, float x, float y, float facing, int count, bool bloody)
{
    float dx = std::sin(facing * M_PI / 180), dy = -std::cos(facing * M_PI / 180);
    for (int j = 0; j < count; ++j) {
        BITMAP* s = bloody ? m.blood : m.print[std::min(2, j / 2)];
        int px = int(x - dx * 50 * (j + 1)) - MockOriginX, py = int(y - dy * 50 * (j + 1)) - MockOriginY;
        fixed angle = ftofix(90.0f) + turnTo(facing);
        if (j % 2)
            pivot_sprite(frame, s, px, py, 17, 13, angle);
        else
            pivot_sprite_v_flip(frame, s, px, py, 17, 13, angle);
    }
}

// The HUD strip drawn by the game's own Screens, with made-up counts.
void drawMockHud(BITMAP* frame, const std::string& gameDir)
{
    asTheGame(gameDir, frame->w, frame->h, [&] {
        Screens screens;
        screens.loadPictures(nullptr);
        View view;
        view.setBuffer(frame);
        screens.drawHud(29, 35, 7, 10, 2, view);
    });
}

}

// One play frame built from the generated pictures in the game's layer
// order, to judge how they work together at play scale.
int mockFrame(const std::string& gameDir, const std::string& out)
{
    Pictures pics{gameDir};
    MockSprites m = loadMockSprites(pics);
    BITMAP* frame = create_bitmap(800, 700);
    clear_to_color(frame, 0);
    for (int y = 0; y < 700 + 128; y += 128)
        for (int x = 0; x < 800 + 128; x += 128)
            draw_sprite(frame, m.dirt, x - MockOriginX % 64, y - MockOriginY % 64);
    drawPrintTrail(frame, m, 620, 300, -60, 5, false);
    drawPrintTrail(frame, m, 260, 520, 30, 4, true);
    eachTile([&](int col, int row, int x, int y) {
        char k = mockKind(col, row);
        if (k >= '0' && k <= '5')
            draw_sprite(frame, m.debris[k - '0'], x, y);
        if (k == 'w') draw_sprite(frame, m.wfade, x - 32, y - 32);
        if (k == 'r') draw_sprite(frame, m.rfade, x - 32, y - 32);
    });
    eachTile([&](int col, int row, int x, int y) {
        char k = mockKind(col, row);
        if (k == 'w') draw_sprite(frame, m.water, x - 32, y - 32);
        if (k == 'r') draw_sprite(frame, m.rock, x - 32, y - 32);
    });
    draw_sprite(frame, m.bag, 560 - MockOriginX - 32, 150 - MockOriginY - 32);
    pivot_sprite(frame, m.dagger, 600 - MockOriginX, 420 - MockOriginY, 16, 16, turnTo(70));
    pivot_sprite(frame, m.dagger, 520 - MockOriginX, 330 - MockOriginY, 16, 16, turnTo(200));
    drawOrkAt(frame, m.orkDead, 280, 560, 200);
    pivot_sprite(frame, m.elf[0], 440 - MockOriginX, 420 - MockOriginY, 50, 110, turnTo(40));
    drawOrkAt(frame, m.ork[0], 640, 290, -60);
    drawOrkAt(frame, m.ork[1], 500, 500, -40);
    drawOrkAt(frame, m.ork[2], 380, 250, 150);
    eachTile([&](int col, int row, int x, int y) {
        char f = mockFog(col, row);
        if (f == '#') draw_sprite(frame, m.fog, x - 32, y - 32);
        if (f == 'h') draw_sprite(frame, m.half, x - 32, y - 32);
    });
    pivot_sprite(frame, m.elf[0], 440 - MockOriginX, 420 - MockOriginY, 50, 110, turnTo(40));
    BITMAP* stealth = create_bitmap(m.elf[2]->w, m.elf[2]->h);
    blit(m.elf[2], stealth, 0, 0, 0, 0, stealth->w, stealth->h);
    for (int y = 0; y < stealth->h; ++y)
        for (int x = 0; x < stealth->w; ++x)
            if (x % 2 == 0 || y % 2 == 0)
                putpixel(stealth, x, y, makecol(255, 0, 255));
    pivot_sprite(frame, stealth, 330 - MockOriginX, 400 - MockOriginY, 50, 110, turnTo(-80));
    drawMockHud(frame, gameDir);
    draw_sprite(frame, m.crosshair, 600 - m.crosshair->w / 2, 200 - m.crosshair->h / 2);
    bool ok = savePng(frame, out);
    std::printf("assetpreview: wrote %s\n", out.c_str());
    return ok ? 0 : 1;
}
