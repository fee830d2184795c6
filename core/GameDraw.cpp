// One frame, painted from the floor up into the back buffer.
#include <allegro.h>

#include "core/Game.h"
#include "world/FastSprite.h"
#include "world/SegmentFile.h"

namespace {
constexpr int SegmentPixels = segment::Side * TileMap::TileSize;

// The editor outlines the block that O saves and shows its last notice.
void drawEditorOverlay(Game& game)
{
    BITMAP* buffer = game.backBuffer.get();
    int x = static_cast<int>(-game.view->origin->x);
    int y = static_cast<int>(-game.view->origin->y);
    rect(buffer, x, y, x + SegmentPixels - 1, y + SegmentPixels - 1, makecol(255, 255, 0));
    if (game.editorNotice && game.editorNoticeTicks > 0)
        textout_centre_ex(buffer, font, game.editorNotice, SCREEN_W / 2, SCREEN_H - 24, makecol(255, 255, 255),
                          makecol(0, 0, 0));
}
}

void Game::draw()
{
    clear_to_color(backBuffer.get(), makecol(0, 0, 0));
    tileMap->drawGround(*view);
    orks->drawFootprints(*view);
    tileMap->drawDebrisAndFades(*view);
    tileMap->drawWaterAndRock(*view);

    if (!elf->carryingBag && bagSprite) {
        Vector& bagOnScreen = view->toScreen(*bagPosition);
        drawSpriteFast(view->buffer, bagSprite.get(), static_cast<int>(bagOnScreen.x - bagSprite->w / 2),
                       static_cast<int>(bagOnScreen.y - bagSprite->h / 2));
    }
    elf->daggers->draw(*view);

    if (!elf->dead)
        sight->reveal(*elf->position, elf->facing, elf->viewRange, elf->viewHalfAngle);
    elf->draw(*view);
    orks->drawOrks(*view);
    // On the intro the whole map shows behind the panel.
    if (screens->state != Intro && !editorMode)
        tileMap->drawFog(*view);
    if (!elf->dead) {
        sound->drawRings();
        elf->draw(*view);  // the living elf always stays on top
    }

    screens->drawHud(orks->aliveCount, orks->count, elf->daggers->inHandCount, DaggerSet::DaggerCount, deaths, *view);
    if (editorMode) {
        drawEditorOverlay(*this);
    } else {
        if (elf->dead)
            drawSpriteFast(view->buffer, screens->deathBanner.get(), 0, 0);
        screens->drawPanel(*view);
    }

    if (crosshairSprite)
        drawSpriteFast(backBuffer.get(), crosshairSprite.get(), static_cast<int>(aimPoint->x - crosshairSprite->w / 2),
                       static_cast<int>(aimPoint->y - crosshairSprite->h / 2));
}
