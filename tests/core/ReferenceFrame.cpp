#include "ReferenceFrame.h"

#include "core/Game.h"
#include "support/Point.h"

namespace {
void drawPicture(BITMAP* target, BITMAP* picture, double x, double y)
{
    if (picture)
        draw_sprite(target, picture, static_cast<int32_t>(x), static_cast<int32_t>(y));
}

int scrollOffset(double origin)
{
    return static_cast<int32_t>(origin + 6400.0) % TileMap::TileSize;
}

// Every tile layer: the grid of screen points a tile apart, one tile each,
// with the top-left corner of its 128-px picture centred on the tile.
template <typename Visit>
void walkGrid(Game& game, Visit visit)
{
    for (int cy = -64; cy < SCREEN_H + 64; cy += TileMap::TileSize)
        for (int cx = -64; cx < SCREEN_W + 64; cx += TileMap::TileSize)
            visit(game.tileMap->tileAt(game.view->toWorld(at(cx, cy))), cx - scrollOffset(game.view->origin->x) - 32,
                  cy - scrollOffset(game.view->origin->y) - 32);
}
}

void drawReferenceFrame(Game& game)
{
    View& view = *game.view;
    TileMap& map = *game.tileMap;
    BITMAP* buffer = view.buffer;
    clear_to_color(game.backBuffer.get(), makecol(0, 0, 0));
    for (int cy = 0; cy < SCREEN_H + 128; cy += 128)
        for (int cx = 0; cx < SCREEN_W + 128; cx += 128)
            drawPicture(buffer, map.dirt.get(), cx - scrollOffset(view.origin->x), cy - scrollOffset(view.origin->y));
    game.orks->drawFootprints(view);
    walkGrid(game, [&](Tile& tile, double x, double y) {
        if (tile.debris >= 0 && tile.debris < Debris::KindCount)
            drawPicture(buffer, map.debrisSource->debrisSprites[tile.debris].get(), x + 32, y + 32);
        drawPicture(buffer, tile.kind == Water ? map.waterFade.get() : tile.kind == Rock ? map.rockFade.get() : nullptr, x, y);
    });
    walkGrid(game, [&](Tile& tile, double x, double y) {
        drawPicture(buffer, tile.kind == Water ? map.water.get() : tile.kind == Rock ? map.rock.get() : nullptr, x, y);
        if (tile.visibility == InSight)
            tile.visibility = Seen;
    });
    const Vector& bag = view.toScreen(*game.bagPosition);
    drawPicture(buffer, game.elf->carryingBag ? nullptr : game.bagSprite.get(), int(bag.x - 32), int(bag.y - 32));
    game.elf->daggers->draw(view);
    if (!game.elf->dead)
        game.sight->reveal(*game.elf->position, game.elf->facing, game.elf->viewRange, game.elf->viewHalfAngle);
    game.elf->draw(view);
    game.orks->drawOrks(view);
    if (game.screens->state != Intro) {
        map.outsideTile->visibility = Unreachable;
        walkGrid(game, [&](Tile& tile, double x, double y) {
            drawPicture(buffer, tile.visibility < Seen ? map.fog.get() : tile.visibility == Seen ? map.halfFog.get() : nullptr, x, y);
        });
    }
    if (!game.elf->dead) {
        game.sound->drawRings();
        game.elf->draw(view);
    }
    game.screens->drawHud(game.orks->aliveCount, game.orks->count, game.elf->daggers->inHandCount,
                          DaggerSet::DaggerCount, game.deaths, view);
    drawPicture(buffer, game.elf->dead ? game.screens->deathBanner.get() : nullptr, 0, 0);
    game.screens->drawPanel(view);
    BITMAP* crosshair = game.crosshairSprite.get();
    drawPicture(buffer, crosshair, int(game.aimPoint->x - crosshair->w / 2), int(game.aimPoint->y - crosshair->h / 2));
}
