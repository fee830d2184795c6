#include "ReferenceFrame.h"

#include <allegro.h>

#include <cstdint>

#include "core/Game.h"

namespace {
constexpr double ScrollBias = 6400.0;
constexpr int GridMargin = 64;
constexpr int GroundStep = 128;
constexpr double OverhangShift = 32.0;
constexpr int BagHalfSize = 32;
constexpr int DaggerTotal = 10;

int scrollOffset(double origin)
{
    return static_cast<int32_t>(origin + ScrollBias) % TileMap::TileSize;
}

void drawPicture(BITMAP* target, BITMAP* picture, double x, double y)
{
    if (target && picture)
        draw_sprite(target, picture, static_cast<int32_t>(x), static_cast<int32_t>(y));
}

template <typename Visit>
void walkGrid(TileMap& map, View& view, Visit visit)
{
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    Vector cursor;
    for (int cy = -GridMargin; cy < SCREEN_H + GridMargin; cy += TileMap::TileSize) {
        for (int cx = -GridMargin; cx < SCREEN_W + GridMargin; cx += TileMap::TileSize) {
            cursor.x = cx;
            cursor.y = cy;
            Tile& tile = map.tileAt(view.toWorld(cursor));
            visit(tile, cursor.x - ox, cursor.y - oy);
        }
    }
}

void drawGround(TileMap& map, View& view)
{
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    for (int cy = 0; cy < SCREEN_H + GroundStep; cy += GroundStep)
        for (int cx = 0; cx < SCREEN_W + GroundStep; cx += GroundStep)
            drawPicture(view.buffer, map.dirt, cx - ox, cy - oy);
}

void drawDebrisAndFades(TileMap& map, View& view)
{
    walkGrid(map, view, [&](const Tile& tile, double x, double y) {
        if (map.debrisSource && tile.debris >= 0 && tile.debris < Debris::KindCount)
            drawPicture(view.buffer, map.debrisSource->debrisSprites[tile.debris], x, y);
        if (tile.kind == Water)
            drawPicture(view.buffer, map.waterFade, x - OverhangShift, y - OverhangShift);
        else if (tile.kind == Rock)
            drawPicture(view.buffer, map.rockFade, x - OverhangShift, y - OverhangShift);
    });
}

void drawWaterAndRock(TileMap& map, View& view)
{
    walkGrid(map, view, [&](Tile& tile, double x, double y) {
        if (tile.kind == Water)
            drawPicture(view.buffer, map.water, x - OverhangShift, y - OverhangShift);
        else if (tile.kind == Rock)
            drawPicture(view.buffer, map.rock, x - OverhangShift, y - OverhangShift);
        if (tile.visibility == InSight)
            tile.visibility = Seen;
    });
}

void drawFog(TileMap& map, View& view)
{
    map.outsideTile->visibility = Unreachable;
    walkGrid(map, view, [&](const Tile& tile, double x, double y) {
        if (tile.visibility < Seen)
            drawPicture(view.buffer, map.fog, x - OverhangShift, y - OverhangShift);
        else if (tile.visibility == Seen)
            drawPicture(view.buffer, map.halfFog, x - OverhangShift, y - OverhangShift);
    });
}


void drawRings(SoundBoard& sound)
{
    BITMAP* overlay = sound.overlay;
    View& view = *sound.view;
    if (!overlay)
        return;
    int ox = static_cast<int>(SCREEN_W / 2 + view.origin->x - overlay->w / 2);
    int oy = static_cast<int>(SCREEN_H / 2 + view.origin->y - overlay->h / 2);
    int mask = makecol(255, 0, 255);
    clear_to_color(overlay, mask);
    for (int k = 0; k < SoundBoard::RingCount; ++k) {
        if (sound.ringLevel[k] > 3)
            circle(overlay, static_cast<int>(sound.ringCenter[k]->x - ox),
                   static_cast<int>(sound.ringCenter[k]->y - oy), static_cast<int>(sound.ringRadius[k]),
                   makecol(240, 200, 200));
    }
    const int s = SoundBoard::OverlaySize;
    const int c = 105;
    triangle(overlay, 0, 0, c, 0, 0, c, mask);
    triangle(overlay, s, s, s - c, s, s, s - c, mask);
    triangle(overlay, 0, s, c, s, 0, s - c, mask);
    triangle(overlay, s, 0, s - c, 0, s, c, mask);
    draw_sprite(view.buffer, overlay, SCREEN_W / 2 - overlay->w / 2, SCREEN_H / 2 - overlay->h / 2);
}

void drawIfLoaded(BITMAP* target, BITMAP* sprite, int x, int y)
{
    if (sprite)
        draw_sprite(target, sprite, x, y);
}

void drawHud(Screens& screens, int livingOrks, int orkCount, int daggersInHand, int deaths, View& view)
{
    const int w = SCREEN_W;
    int headStep = w / (2 * orkCount + 2);
    int daggerStep = w / (4 * DaggerTotal + 2);
    int graveStep = w / (4 * deaths + 2);
    clear_to_color(screens.hudStrip, makecol(255, 0, 0));
    for (int i = 0; i < livingOrks; ++i)
        drawIfLoaded(screens.hudStrip, screens.headIcon, i * headStep, 0);
    for (int i = 0; i < daggersInHand; ++i)
        drawIfLoaded(screens.hudStrip, screens.daggerIcon, w - i * daggerStep - daggerStep, 0);
    for (int i = 0; i < deaths; ++i)
        drawIfLoaded(screens.hudStrip, screens.graveIcon,
                     w * 5 / 8 + (graveStep * deaths) / 2 - i * graveStep - graveStep, 0);
    draw_sprite(view.buffer, screens.hudStrip, 0, 0);
}
}

void drawReferenceFrame(Game& game)
{
    View& view = *game.view;
    TileMap& map = *game.tileMap;
    clear_to_color(game.backBuffer, makecol(0, 0, 0));
    drawGround(map, view);
    game.orks->drawFootprints(view);
    drawDebrisAndFades(map, view);
    drawWaterAndRock(map, view);
    if (!game.elf->carryingBag && game.bagSprite) {
        Vector& bagOnScreen = view.toScreen(*game.bagPosition);
        draw_sprite(view.buffer, game.bagSprite, static_cast<int>(bagOnScreen.x - BagHalfSize),
                    static_cast<int>(bagOnScreen.y - BagHalfSize));
    }
    game.elf->daggers->draw(view);
    if (!game.elf->dead)
        game.sight->reveal(*game.elf->position, game.elf->facing, game.elf->viewRange, game.elf->viewHalfAngle);
    game.elf->draw(view);
    game.orks->drawOrks(view);
    if (game.screens->state != Intro)
        drawFog(map, view);
    if (!game.elf->dead) {
        drawRings(*game.sound);
        game.elf->draw(view);
    }
    drawHud(*game.screens, game.orks->aliveCount, game.orks->count, game.elf->daggers->inHandCount, game.deaths,
            view);
    if (game.elf->dead)
        draw_sprite(view.buffer, game.screens->deathBanner, 0, 0);
    game.screens->drawPanel(view);
    BITMAP* crosshair = game.crosshairSprite;
    if (crosshair)
        draw_sprite(game.backBuffer, crosshair, static_cast<int>(game.aimPoint->x - crosshair->w / 2),
                    static_cast<int>(game.aimPoint->y - crosshair->h / 2));
}
