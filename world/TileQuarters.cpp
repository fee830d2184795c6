#include "world/TileQuarters.h"

#include <algorithm>

#include "world/FastSprite.h"

namespace {
constexpr int Corners = 4;

int cornerX(int corner) { return corner & 1; }
int cornerY(int corner) { return corner >> 1; }
}

TileQuarters::TileQuarters(int extraChoices, Paint paint)
    : paint(std::move(paint)),
      extraChoices(extraChoices),
      looks(Corners * NeighbourKeys * extraChoices),
      painted(looks.size(), false)
{
}

int TileQuarters::coverX(int corner, int n)
{
    return cornerX(corner) - 1 + (n & 1);
}

int TileQuarters::coverY(int corner, int n)
{
    return cornerY(corner) - 1 + (n >> 1);
}

int TileQuarters::lookX(int corner, int dx, int x)
{
    return dx * TileMap::TileSize + x - cornerX(corner) * Side;
}

int TileQuarters::lookY(int corner, int dy, int y)
{
    return dy * TileMap::TileSize + y - cornerY(corner) * Side;
}

void TileQuarters::paintFrom(std::initializer_list<BITMAP*> pictures)
{
    if (sources.size() == pictures.size() && std::equal(sources.begin(), sources.end(), pictures.begin()))
        return;
    forgetLooks();
    sources.assign(pictures.begin(), pictures.end());
}

void TileQuarters::forgetLooks()
{
    for (Look& look : looks)
        look = Look();
    painted.assign(looks.size(), false);
}

void TileQuarters::startGrid(int columns, int rows, int left, int top)
{
    this->columns = columns;
    this->rows = rows;
    this->left = left;
    this->top = top;
    codes.assign((columns + 2) * (rows + 2), 0);
}

void TileQuarters::setCode(int column, int row, int code)
{
    codes[(row + 1) * (columns + 2) + column + 1] = code;
}

int TileQuarters::codeAt(int column, int row) const
{
    return codes[(row + 1) * (columns + 2) + column + 1];
}

void TileQuarters::drawGrid(BITMAP* target)
{
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int extra = codeAt(column, row) / PictureChoices;
            for (int corner = 0; corner < Corners; ++corner) {
                const int x = left + column * TileMap::TileSize + cornerX(corner) * Side;
                const int y = top + row * TileMap::TileSize + cornerY(corner) * Side;
                if (x >= target->cr || y >= target->cb || x + Side <= target->cl || y + Side <= target->ct)
                    continue;
                // The covering tiles in walk order: row by row, left to right.
                int key = 0;
                for (int n = CoveringTiles - 1; n >= 0; --n) {
                    const int code = codeAt(column + coverX(corner, n), row + coverY(corner, n));
                    key = key * PictureChoices + code % PictureChoices;
                }
                const Look& look = lookFor(corner, key + NeighbourKeys * extra);
                if (!look.empty)
                    drawSpriteFast(target, look.picture.get(), x, y);
            }
        }
    }
}

TileQuarters::Look& TileQuarters::lookFor(int corner, int key)
{
    const int index = corner * NeighbourKeys * extraChoices + key;
    if (!painted[index]) {
        paintLook(looks[index], corner, key);
        painted[index] = true;
    }
    return looks[index];
}

void TileQuarters::paintLook(Look& look, int corner, int key)
{
    int pictures[CoveringTiles];
    int rest = key;
    for (int n = 0; n < CoveringTiles; ++n) {
        pictures[n] = rest % PictureChoices;
        rest /= PictureChoices;
    }
    look.picture.reset(create_bitmap(Side, Side));
    BITMAP* picture = look.picture.get();
    if (!picture)
        return;
    const int mask = bitmap_mask_color(picture);
    clear_to_color(picture, mask);
    paint(picture, corner, pictures, rest);
    for (int y = 0; y < Side && look.empty; ++y)
        for (int x = 0; x < Side && look.empty; ++x)
            look.empty = getpixel(picture, x, y) == mask;
}
