#include "support/ActorWorld.h"

ActorWorld::ActorWorld()
    : map(new TileMap()),
      buffer(create_bitmap(800, 700)),
      view(new View()),
      sight(new Sight()),
      sound(new SoundBoard()),
      debris(new Debris()),
      horde(new OrkHorde()),
      elf(new Elf())
{
    clear_to_color(buffer, 0);
    view->setBuffer(buffer);
    sight->tileMap = map.get();
    sound->view = view.get();
    map->debrisSource = debris.get();
    horde->tileMap = map.get();
    horde->elf = elf.get();
    horde->sight = sight.get();
    horde->sound = sound.get();
    horde->debrisTable = debris.get();
    horde->count = 1;
    elf->map = map.get();
    elf->daggers->map = map.get();
    elf->daggers->horde = horde.get();
    elf->daggers->sound = sound.get();
    placeElf(3000, 3000);
}

ActorWorld::~ActorWorld()
{
    destroy_bitmap(buffer);
}

void ActorWorld::setRock(int column, int row)
{
    map->tiles[column][row].kind = Rock;
}

void ActorWorld::placeOrk(int i, double x, double y)
{
    horde->pos[i]->x = x;
    horde->pos[i]->y = y;
    horde->target[i]->copyFrom(*horde->pos[i]);
    horde->health[i] = 2;
}

void ActorWorld::placeElf(double x, double y)
{
    elf->position->x = x;
    elf->position->y = y;
}

void ActorWorld::listenAt(double x, double y)
{
    view->origin->x = x - 400;
    view->origin->y = y - 350;
}

void ActorWorld::tick()
{
    elf->update();
    horde->update();
    for (int i = 0; i < horde->count; ++i)
        horde->perceive(i);
}

int ActorWorld::played(int sample) const
{
    return sound->playedCount[sample];
}

BITMAP* solidSprite(int width, int height, int r, int g, int b)
{
    BITMAP* sprite = create_bitmap(width, height);
    clear_to_color(sprite, makecol(r, g, b));
    return sprite;
}
