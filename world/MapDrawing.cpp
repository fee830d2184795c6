// The four map layers and their pictures.
#include <allegro.h>

#include <cmath>
#include <cstdint>

#include "core/DataFiles.h"
#include "perception/Debris.h"
#include "perception/View.h"
#include "world/TileMap.h"
#include "world/TileQuarters.h"

namespace {
constexpr double ScrollBias = TileMap::GridPixels;  // keeps the scroll offsets positive for any origin on the map
constexpr int GridMargin = TileMap::TileSize;  // the grid walk starts one tile before the screen and ends one after
constexpr int GroundStep = TileMap::PictureSize;
constexpr double OverhangShift = TileMap::Overhang;  // terrain pictures are centred on their tile

// What a tile draws in a quartered layer: 0 nothing, or which of the layer's two pictures.
constexpr int NoPicture = 0;
constexpr int FirstPicture = 1;
constexpr int SecondPicture = 2;

// The whole pixels of (origin + bias) modulo a tile, truncated toward zero;
// an origin that is not finite scrolls by nothing.
int scrollOffset(double origin)
{
    const double offset = std::fmod(origin + ScrollBias, TileMap::TileSize);
    return std::isfinite(offset) ? static_cast<int>(offset) : 0;
}

// Missing pictures are skipped rather than handed to draw_sprite.
void drawPicture(BITMAP* target, BITMAP* picture, double x, double y)
{
    if (target && picture)
        draw_sprite(target, picture, static_cast<int32_t>(x), static_cast<int32_t>(y));
}

// Visits the fixed screen-aligned grid with the map's cursor; visit gets the
// tile under each grid point, that tile's top-left corner on the screen, and
// the point's column and row within the walk.
template <typename Visit>
void walkGrid(TileMap& map, View& view, Visit visit)
{
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    // The game asks at the grid point, the editor at the middle of the tile
    // drawn there: the same tile but where the point has x or y of exactly 0.
    const double askX = map.showsGridEdge ? TileMap::TileSize / 2 - ox : 0;
    const double askY = map.showsGridEdge ? TileMap::TileSize / 2 - oy : 0;
    Vector& cursor = *map.cursor;
    int row = 0;
    for (int cy = -GridMargin; cy < SCREEN_H + GridMargin; cy += TileMap::TileSize, ++row) {
        int column = 0;
        for (int cx = -GridMargin; cx < SCREEN_W + GridMargin; cx += TileMap::TileSize, ++column) {
            cursor.x = cx + askX;
            cursor.y = cy + askY;
            Tile& tile = map.tileAt(view.toWorld(cursor));
            visit(tile, cx - ox, cy - oy, column, row);
        }
    }
}

// As many columns and rows as walkGrid visits.
int walkColumns()
{
    return (SCREEN_W + 2 * GridMargin + TileMap::TileSize - 1) / TileMap::TileSize;
}

int walkRows()
{
    return (SCREEN_H + 2 * GridMargin + TileMap::TileSize - 1) / TileMap::TileSize;
}

// Gives every tile of the walk its code in the quartered layer, then draws
// the layer quarter by quarter.
template <typename CodeOf>
void drawQuartered(TileMap& map, View& view, TileQuarters& quarters, CodeOf codeOf)
{
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    quarters.startGrid(walkColumns(), walkRows(), -GridMargin - ox, -GridMargin - oy);
    walkGrid(map, view, [&](Tile& tile, double, double, int column, int row) {
        quarters.setCode(column, row, codeOf(tile));
    });
    quarters.drawGrid(view.buffer);
}

// Quartering needs every picture to stay within its tile and the near
// halves of its neighbours: no bigger than a terrain picture, or within the
// tile itself for debris.
bool staysWithinOverhang(BITMAP* picture)
{
    return !picture || (picture->w <= TileMap::PictureSize && picture->h <= TileMap::PictureSize);
}

bool staysWithinTile(BITMAP* picture)
{
    return !picture || (picture->w <= TileMap::TileSize && picture->h <= TileMap::TileSize);
}

BITMAP* debrisPicture(const Debris* source, int32_t kind)
{
    if (!source || kind < 0 || kind >= Debris::KindCount)
        return nullptr;
    return source->debrisSprites[kind].get();
}

int terrainCode(const Tile& tile)
{
    if (tile.kind == Water)
        return FirstPicture;
    if (tile.kind == Rock)
        return SecondPicture;
    return NoPicture;
}

int fogCode(const Tile& tile)
{
    if (tile.visibility < Seen)
        return FirstPicture;
    if (tile.visibility == Seen)
        return SecondPicture;
    return NoPicture;
}

BITMAP* choose(int code, BITMAP* first, BITMAP* second)
{
    if (code == FirstPicture)
        return first;
    if (code == SecondPicture)
        return second;
    return nullptr;
}

// Paints the pictures of a quartered layer's four covering tiles, in walk
// order, into the look of one quarter; the layer's extra is debris.
void paintQuarter(BITMAP* look, int corner, const int pictures[TileQuarters::CoveringTiles], int extra,
                  BITMAP* first, BITMAP* second, const Debris* debris)
{
    for (int n = 0; n < TileQuarters::CoveringTiles; ++n) {
        const int dx = TileQuarters::coverX(corner, n);
        const int dy = TileQuarters::coverY(corner, n);
        BITMAP* litter = dx == 0 && dy == 0 ? debrisPicture(debris, extra - 1) : nullptr;
        if (litter)
            draw_sprite(look, litter, TileQuarters::lookX(corner, 0, 0), TileQuarters::lookY(corner, 0, 0));
        BITMAP* picture = choose(pictures[n], first, second);
        if (picture)
            draw_sprite(look, picture, TileQuarters::lookX(corner, dx, -OverhangShift),
                        TileQuarters::lookY(corner, dy, -OverhangShift));
    }
}

// Half fog is the fog with a 50 % checkerboard of holes, made by two families
// of diagonal lines in the mask colour.
void pierce(BITMAP* picture)
{
    if (!picture)
        return;
    const int w = picture->w;
    const int h = picture->h;
    const int mask = maskColour();
    for (int i = 0; i < 2 * w; i += 2) {
        line(picture, i, 0, i - w, h, mask);
        line(picture, i - w, 0, i, h, mask);
    }
}
}

void TileMap::loadTextures(RGB* palette)
{
    dirt.reset(loadPicture(DataFile::Dirt, palette));
    water.reset(loadPicture(DataFile::Water, palette));
    rock.reset(loadPicture(DataFile::Rock, palette));
    waterFade.reset(loadPicture(DataFile::WaterFade, palette));
    rockFade.reset(loadPicture(DataFile::RockFade, palette));
    fog.reset(loadPicture(DataFile::Fog, palette));
    halfFog.reset(loadPicture(DataFile::Fog, palette));
    pierce(halfFog.get());

    // Looks are painted when first needed, from the pictures in place then.
    const int debrisChoices = Debris::KindCount + 1;  // none, or one of the kinds
    fadeQuarters.reset(new TileQuarters(debrisChoices, [this](BITMAP* look, int corner, const int* pictures,
                                                              int extra) {
        paintQuarter(look, corner, pictures, extra, waterFade.get(), rockFade.get(), debrisSource);
    }));
    waterAndRockQuarters.reset(new TileQuarters(1, [this](BITMAP* look, int corner, const int* pictures, int extra) {
        paintQuarter(look, corner, pictures, extra, water.get(), rock.get(), nullptr);
    }));
    fogQuarters.reset(new TileQuarters(1, [this](BITMAP* look, int corner, const int* pictures, int extra) {
        paintQuarter(look, corner, pictures, extra, fog.get(), halfFog.get(), nullptr);
    }));
}

void TileMap::drawGround(View& view)
{
    // The offsets wrap at a tile while the pictures step by their own size,
    // so the dirt picture has to repeat every tile to scroll smoothly.
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    for (int cy = 0; cy < SCREEN_H + GroundStep; cy += GroundStep)
        for (int cx = 0; cx < SCREEN_W + GroundStep; cx += GroundStep)
            dirtSprite.draw(view.buffer, dirt.get(), cx - ox, cy - oy);
}

void TileMap::drawDebrisAndFades(View& view)
{
    bool debrisFits = true;
    for (int kind = 0; kind < Debris::KindCount; ++kind)
        debrisFits = debrisFits && staysWithinTile(debrisPicture(debrisSource, kind));
    const bool fadesFit = staysWithinOverhang(waterFade.get()) && staysWithinOverhang(rockFade.get());
    if (fadeQuarters && view.buffer && debrisFits && fadesFit) {
        fadeQuarters->paintFrom({waterFade.get(), rockFade.get(), debrisPicture(debrisSource, 0),
                                 debrisPicture(debrisSource, 1), debrisPicture(debrisSource, 2),
                                 debrisPicture(debrisSource, 3), debrisPicture(debrisSource, 4),
                                 debrisPicture(debrisSource, 5)});
        drawQuartered(*this, view, *fadeQuarters, [&](const Tile& tile) {
            const bool litter = debrisPicture(debrisSource, tile.debris) != nullptr;
            return terrainCode(tile) + TileQuarters::PictureChoices * (litter ? tile.debris + 1 : 0);
        });
        return;
    }
    walkGrid(*this, view, [&](const Tile& tile, double x, double y, int, int) {
        drawPicture(view.buffer, debrisPicture(debrisSource, tile.debris), x, y);
        if (tile.kind == Water)
            drawPicture(view.buffer, waterFade.get(), x - OverhangShift, y - OverhangShift);
        else if (tile.kind == Rock)
            drawPicture(view.buffer, rockFade.get(), x - OverhangShift, y - OverhangShift);
    });
}

void TileMap::drawWaterAndRock(View& view)
{
    // The sight reveal that follows raises again whatever is still in view.
    auto lowerInSight = [](Tile& tile) {
        if (tile.visibility == InSight)
            tile.visibility = Seen;
    };
    if (waterAndRockQuarters && view.buffer && staysWithinOverhang(water.get()) && staysWithinOverhang(rock.get())) {
        waterAndRockQuarters->paintFrom({water.get(), rock.get()});
        drawQuartered(*this, view, *waterAndRockQuarters, [&](Tile& tile) {
            const int code = terrainCode(tile);
            lowerInSight(tile);
            return code;
        });
        return;
    }
    walkGrid(*this, view, [&](Tile& tile, double x, double y, int, int) {
        if (tile.kind == Water)
            drawPicture(view.buffer, water.get(), x - OverhangShift, y - OverhangShift);
        else if (tile.kind == Rock)
            drawPicture(view.buffer, rock.get(), x - OverhangShift, y - OverhangShift);
        lowerInSight(tile);
    });
}

void TileMap::drawFog(View& view)
{
    outsideTile->visibility = Unreachable;
    if (fogQuarters && view.buffer && staysWithinOverhang(fog.get()) && staysWithinOverhang(halfFog.get())) {
        fogQuarters->paintFrom({fog.get(), halfFog.get()});
        drawQuartered(*this, view, *fogQuarters, fogCode);
        return;
    }
    walkGrid(*this, view, [&](const Tile& tile, double x, double y, int, int) {
        if (tile.visibility < Seen)
            drawPicture(view.buffer, fog.get(), x - OverhangShift, y - OverhangShift);
        else if (tile.visibility == Seen)
            drawPicture(view.buffer, halfFog.get(), x - OverhangShift, y - OverhangShift);
    });
}
