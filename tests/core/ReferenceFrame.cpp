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
    return static_cast<int32_t>(origin + TileMap::GridPixels) % TileMap::TileSize;
}

// Every tile layer: the grid of screen points a tile apart, from a tile
// before the screen to a tile after it, one tile each, with the top-left
// corner of its picture where the picture is centred on the tile.
template <typename Visit>
void walkGrid(Game& game, Visit visit)
{
    const int tile = TileMap::TileSize;
    const int left = scrollOffset(game.view->origin->x) + TileMap::Overhang;
    const int up = scrollOffset(game.view->origin->y) + TileMap::Overhang;
    for (int cy = -tile; cy < SCREEN_H + tile; cy += tile)
        for (int cx = -tile; cx < SCREEN_W + tile; cx += tile)
            visit(game.tileMap->tileAt(game.view->toWorld(at(cx, cy))), cx - left, cy - up);
}
}

void drawReferenceFrame(Game& game)
{
    View& view = *game.view;
    TileMap& map = *game.tileMap;
    BITMAP* buffer = view.buffer;
    clear_to_color(game.backBuffer.get(), makecol(0, 0, 0));
    const int ground = TileMap::PictureSize, overhang = TileMap::Overhang;
    for (int cy = 0; cy < SCREEN_H + ground; cy += ground)
        for (int cx = 0; cx < SCREEN_W + ground; cx += ground)
            drawPicture(buffer, map.dirt.get(), cx - scrollOffset(view.origin->x), cy - scrollOffset(view.origin->y));
    game.orks->drawFootprints(view);
    walkGrid(game, [&](Tile& tile, double x, double y) {
        if (tile.debris >= 0 && tile.debris < Debris::KindCount)
            drawPicture(buffer, map.debrisSource->debrisSprites[tile.debris].get(), x + overhang, y + overhang);
        drawPicture(buffer, tile.kind == Water ? map.waterFade.get() : tile.kind == Rock ? map.rockFade.get() : nullptr, x, y);
    });
    walkGrid(game, [&](Tile& tile, double x, double y) {
        drawPicture(buffer, tile.kind == Water ? map.water.get() : tile.kind == Rock ? map.rock.get() : nullptr, x, y);
        if (tile.visibility == InSight)
            tile.visibility = Seen;
    });
    const Vector& bagAt = view.toScreen(*game.bagPosition);
    BITMAP* bag = game.bagSprite.get();
    drawPicture(buffer, game.elf->carryingBag ? nullptr : bag, int(bagAt.x - bag->w / 2), int(bagAt.y - bag->h / 2));
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
