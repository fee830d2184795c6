#include "ReferenceFrame.h"

#include <allegro.h>

#include <cstdint>

#include "core/Game.h"

namespace {
constexpr double Overhang = 32.0;  // 128-px pictures centred on 64-px tiles

void drawPicture(BITMAP* target, BITMAP* picture, double x, double y)
{
    if (target && picture)
        draw_sprite(target, picture, static_cast<int32_t>(x), static_cast<int32_t>(y));
}

int scrollOffset(double origin)
{
    return static_cast<int32_t>(origin + 6400.0) % TileMap::TileSize;
}

// Every tile layer: the grid of screen points a tile apart, one tile each.
template <typename Visit>
void walkGrid(TileMap& map, View& view, Visit visit)
{
    const int ox = scrollOffset(view.origin->x);
    const int oy = scrollOffset(view.origin->y);
    Vector cursor;
    for (int cy = -64; cy < SCREEN_H + 64; cy += TileMap::TileSize)
        for (int cx = -64; cx < SCREEN_W + 64; cx += TileMap::TileSize) {
            cursor.x = cx;
            cursor.y = cy;
            visit(map.tileAt(view.toWorld(cursor)), cx - ox - Overhang, cy - oy - Overhang);
        }
}
}

void drawReferenceFrame(Game& game)
{
    View& view = *game.view;
    TileMap& map = *game.tileMap;
    clear_to_color(game.backBuffer, makecol(0, 0, 0));
    for (int cy = 0; cy < SCREEN_H + 128; cy += 128)
        for (int cx = 0; cx < SCREEN_W + 128; cx += 128)
            drawPicture(view.buffer, map.dirt, cx - scrollOffset(view.origin->x), cy - scrollOffset(view.origin->y));
    game.orks->drawFootprints(view);
    walkGrid(map, view, [&](Tile& tile, double x, double y) {
        if (tile.debris >= 0 && tile.debris < Debris::KindCount)
            drawPicture(view.buffer, map.debrisSource->debrisSprites[tile.debris], x + Overhang, y + Overhang);
        drawPicture(view.buffer, tile.kind == Water ? map.waterFade : tile.kind == Rock ? map.rockFade : nullptr, x, y);
    });
    walkGrid(map, view, [&](Tile& tile, double x, double y) {
        drawPicture(view.buffer, tile.kind == Water ? map.water : tile.kind == Rock ? map.rock : nullptr, x, y);
        if (tile.visibility == InSight)
            tile.visibility = Seen;
    });
    if (!game.elf->carryingBag) {
        const Vector& bag = view.toScreen(*game.bagPosition);
        drawPicture(view.buffer, game.bagSprite, static_cast<int>(bag.x - 32), static_cast<int>(bag.y - 32));
    }
    game.elf->daggers->draw(view);
    if (!game.elf->dead)
        game.sight->reveal(*game.elf->position, game.elf->facing, game.elf->viewRange, game.elf->viewHalfAngle);
    game.elf->draw(view);
    game.orks->drawOrks(view);
    if (game.screens->state != Intro) {
        map.outsideTile->visibility = Unreachable;
        walkGrid(map, view, [&](Tile& tile, double x, double y) {
            BITMAP* fog = tile.visibility < Seen ? map.fog : tile.visibility == Seen ? map.halfFog : nullptr;
            drawPicture(view.buffer, fog, x, y);
        });
    }
    if (!game.elf->dead) {
        game.sound->drawRings();
        game.elf->draw(view);
    }
    game.screens->drawHud(game.orks->aliveCount, game.orks->count, game.elf->daggers->inHandCount,
                          DaggerSet::DaggerCount, game.deaths, view);
    if (game.elf->dead)
        draw_sprite(view.buffer, game.screens->deathBanner, 0, 0);
    game.screens->drawPanel(view);
    BITMAP* crosshair = game.crosshairSprite;
    drawPicture(game.backBuffer, crosshair, static_cast<int>(game.aimPoint->x - crosshair->w / 2),
                static_cast<int>(game.aimPoint->y - crosshair->h / 2));
}
