// One frame, painted from the floor up into the back buffer.
#include <allegro.h>

#include "core/Game.h"

namespace {
constexpr int BagHalfSize = 32;
constexpr int DaggerTotal = 10;
}

void Game::draw()
{
    clear_to_color(backBuffer, makecol(0, 0, 0));
    tileMap->drawGround(*view);
    orks->drawFootprints(*view);
    tileMap->drawDebrisAndFades(*view);
    tileMap->drawWaterAndRock(*view);

    if (!elf->carryingBag && bagSprite) {
        Vector& bagOnScreen = view->toScreen(*bagPosition);
        draw_sprite(view->buffer, bagSprite, static_cast<int>(bagOnScreen.x - BagHalfSize),
                    static_cast<int>(bagOnScreen.y - BagHalfSize));
    }
    elf->daggers->draw(*view);

    if (!elf->dead)
        sight->reveal(*elf->position, elf->facing, elf->viewRange, elf->viewHalfAngle);
    elf->draw(*view);
    orks->drawOrks(*view);
    // On the intro the whole map shows behind the panel.
    if (screens->state != Intro)
        tileMap->drawFog(*view);
    if (!elf->dead) {
        sound->drawRings();
        elf->draw(*view);  // the living elf always stays on top
    }

    screens->drawHud(orks->aliveCount, orks->count, elf->daggers->inHandCount, DaggerTotal, deaths, *view);
    if (elf->dead)
        draw_sprite(view->buffer, screens->deathBanner, 0, 0);
    screens->drawPanel(*view);

    if (crosshairSprite)
        draw_sprite(backBuffer, crosshairSprite, static_cast<int>(aimPoint->x - crosshairSprite->w / 2),
                    static_cast<int>(aimPoint->y - crosshairSprite->h / 2));
}
