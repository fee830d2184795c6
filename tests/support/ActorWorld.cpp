#include "support/ActorWorld.h"

#include "support/Headless.h"
#include "support/Point.h"

ActorWorld::ActorWorld()
    : game(new Game()),
      map(game->tileMap.get()),
      view(game->view.get()),
      sound(game->sound.get()),
      horde(game->orks.get()),
      elf(game->elf.get()),
      buffer(game->backBuffer)
{
    for (auto& column : map->tiles)
        for (Tile& tile : column)
            tile = Tile{Floor, Unseen, -1};
    horde->count = 1;
    horde->health[0] = 0;
    elf->dead = elf->carryingBag = false;
    clear_to_color(buffer, 0);
    placeElf(3000, 3000);
}

void ActorWorld::placeOrk(int i, double x, double y)
{
    horde->pos[i]->copyFrom(at(x, y));
    horde->target[i]->copyFrom(at(x, y));
    horde->health[i] = 2;
}

void ActorWorld::placeElf(double x, double y)
{
    elf->position->copyFrom(at(x, y));
}

void ActorWorld::listenAt(double x, double y)
{
    view->origin->copyFrom(at(x - SCREEN_W / 2, y - SCREEN_H / 2));
}

void ActorWorld::paint(BITMAP*& slot, int w, int h, int rgb, int x, int y, bool whole)
{
    destroy_bitmap(slot);
    slot = create_bitmap(w, h);
    const int colour = makecol(rgb >> 16, (rgb >> 8) & 255, rgb & 255);
    clear_to_color(slot, whole ? colour : makecol(255, 0, 255));
    rectfill(slot, x - 2, y - 2, x + 2, y + 2, colour);
}

bool ActorWorld::shows(double x, double y, int rgb) const
{
    const int drawn = headless::rgbAt(buffer, static_cast<int>(x), static_cast<int>(y));
    return drawn == headless::rgb16(rgb >> 16, (rgb >> 8) & 255, rgb & 255);
}
