// The four map layers and their pictures.
#include <allegro.h>

#include <cstdint>

#include "perception/Debris.h"
#include "perception/View.h"
#include "world/TileMap.h"

namespace {
constexpr double ScrollBias = 6400.0;  // 100 tiles: keeps the scroll offsets positive for any origin on the map
constexpr int GridMargin = 64;         // the grid walk starts one tile before the screen and ends one after
constexpr int GroundStep = 128;
constexpr double OverhangShift = 32.0;  // 128-px terrain pictures are centred on their 64-px tile

int scrollOffset(double origin)
{
    return static_cast<int32_t>(origin + ScrollBias) % TileMap::TileSize;
}

// Missing pictures are skipped rather than handed to draw_sprite.
void drawPicture(BITMAP* target, BITMAP* picture, double x, double y)
{
    if (target && picture)
        draw_sprite(target, picture, static_cast<int32_t>(x), static_cast<int32_t>(y));
}

// Visits the fixed screen-aligned grid with the map's cursor; visit gets the
// tile under each grid point and that tile's top-left corner on the screen.
template <typename Visit>
void walkGrid(TileMap& map, View& view, Visit visit)
{
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    Vector& cursor = *map.cursor;
    for (int cy = -GridMargin; cy < SCREEN_H + GridMargin; cy += TileMap::TileSize) {
        for (int cx = -GridMargin; cx < SCREEN_W + GridMargin; cx += TileMap::TileSize) {
            cursor.x = cx;
            cursor.y = cy;
            Tile& tile = map.tileAt(view.toWorld(cursor));
            visit(tile, cursor.x - ox, cursor.y - oy);
        }
    }
}

BITMAP* debrisPicture(const Debris* source, int32_t kind)
{
    if (!source || kind < 0 || kind >= Debris::KindCount)
        return nullptr;
    return source->debrisSprites[kind];
}

// Half fog is the fog with a 50 % checkerboard of holes, made by two families
// of diagonal lines in the mask colour.
void pierce(BITMAP* picture)
{
    if (!picture)
        return;
    const int w = picture->w;
    const int h = picture->h;
    const int mask = makecol(255, 0, 255);
    for (int i = 0; i < 2 * w; i += 2) {
        line(picture, i, 0, i - w, h, mask);
        line(picture, i - w, 0, i, h, mask);
    }
}
}

void TileMap::loadTextures(RGB* palette)
{
    dirt = load_bitmap("textures//dirt.bmp", palette);
    water = load_bitmap("textures//water.bmp", palette);
    rock = load_bitmap("textures//rock.bmp", palette);
    waterFade = load_bitmap("textures//wfade.bmp", palette);
    rockFade = load_bitmap("textures//rfade.bmp", palette);
    fog = load_bitmap("textures//fog.bmp", palette);
    halfFog = load_bitmap("textures//fog.bmp", palette);
    pierce(halfFog);
}

void TileMap::drawGround(View& view)
{
    // The offsets wrap at 64 px while the pictures step by 128, so the dirt
    // picture has to repeat every 64 px to scroll smoothly.
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    for (int cy = 0; cy < SCREEN_H + GroundStep; cy += GroundStep)
        for (int cx = 0; cx < SCREEN_W + GroundStep; cx += GroundStep)
            drawPicture(view.buffer, dirt, cx - ox, cy - oy);
}

void TileMap::drawDebrisAndFades(View& view)
{
    walkGrid(*this, view, [&](const Tile& tile, double x, double y) {
        drawPicture(view.buffer, debrisPicture(debrisSource, tile.debris), x, y);
        if (tile.kind == Water)
            drawPicture(view.buffer, waterFade, x - OverhangShift, y - OverhangShift);
        else if (tile.kind == Rock)
            drawPicture(view.buffer, rockFade, x - OverhangShift, y - OverhangShift);
    });
}

void TileMap::drawWaterAndRock(View& view)
{
    walkGrid(*this, view, [&](Tile& tile, double x, double y) {
        if (tile.kind == Water)
            drawPicture(view.buffer, water, x - OverhangShift, y - OverhangShift);
        else if (tile.kind == Rock)
            drawPicture(view.buffer, rock, x - OverhangShift, y - OverhangShift);
        // The sight reveal that follows raises again whatever is still in view.
        if (tile.visibility == InSight)
            tile.visibility = Seen;
    });
}

void TileMap::drawFog(View& view)
{
    outsideTile->visibility = Unreachable;
    walkGrid(*this, view, [&](const Tile& tile, double x, double y) {
        if (tile.visibility < Seen)
            drawPicture(view.buffer, fog, x - OverhangShift, y - OverhangShift);
        else if (tile.visibility == Seen)
            drawPicture(view.buffer, halfFog, x - OverhangShift, y - OverhangShift);
    });
}
