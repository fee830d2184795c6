#include "support/ActorWorld.h"

#include "support/Headless.h"

ActorWorld::ActorWorld()
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

void ActorWorld::paint(BITMAP*& slot, int w, int h, int rgb, int x, int y, bool whole)
{
    paint(game->actorPictures.emplace_back(), w, h, rgb, x, y, whole);
    slot = game->actorPictures.back().get();
}

void ActorWorld::paint(OwnedBitmap& slot, int w, int h, int rgb, int x, int y, bool whole)
{
    slot.reset(create_bitmap(w, h));
    const int colour = makecol(rgb >> 16, (rgb >> 8) & 255, rgb & 255);
    clear_to_color(slot.get(), whole ? colour : maskColour());
    rectfill(slot.get(), x - 2, y - 2, x + 2, y + 2, colour);
}

bool ActorWorld::shows(double x, double y, int rgb) const
{
    return headless::rgbAt(buffer, int(x), int(y)) == headless::rgb16(rgb >> 16, (rgb >> 8) & 255, rgb & 255);
}

bool ActorWorld::showsOnly(DataFile file, int x, int y, bool flipped, bool pierced) const
{
    BITMAP* picture = file == DataFile::Count ? nullptr : loadPicture(file, nullptr);
    const int left = picture ? x - pivotOf(file).x : 0, top = picture ? y - pivotOf(file).y : 0;
    bool same = true;
    for (int v = 0; v < buffer->h && same; ++v)
        for (int u = 0; u < buffer->w && same; ++u) {
            const int px = u - left, py = flipped && picture ? picture->h - 1 - (v - top) : v - top;
            const int p = picture && !(pierced && (px % 2 == 0 || py % 2 == 0)) ? getpixel(picture, px, py) : -1;
            same = getpixel(buffer, u, v) == (p < 0 || p == maskColour() ? 0 : p);
        }
    if (picture)
        destroy_bitmap(picture);
    return same;
}
