#include "world/TileQuarters.h"

#include <algorithm>

#include "world/SpriteRuns.h"

namespace {
constexpr int TileSide = 2 * TileQuarters::Side;
constexpr int Corners = 4;
// Beyond this many runs of pixels a look is drawn as a plain sprite: a fine
// checkerboard costs draw_rle_sprite more than a pixel-by-pixel mask test.
constexpr int MostRunsForRle = 4 * TileQuarters::Side;

int cornerX(int corner) { return corner & 1; }
int cornerY(int corner) { return corner >> 1; }

// Solid runs along the rows of a picture.
int countRuns(BITMAP* picture, int mask)
{
    int runs = 0;
    for (int y = 0; y < picture->h; ++y) {
        bool inRun = false;
        for (int x = 0; x < picture->w; ++x) {
            bool solid = getpixel(picture, x, y) != mask;
            runs += solid && !inRun;
            inRun = solid;
        }
    }
    return runs;
}
}

TileQuarters::TileQuarters(int extraChoices, Paint paint)
    : paint(std::move(paint)), extraChoices(extraChoices), looks(Corners * NeighbourKeys * extraChoices)
{
}

TileQuarters::~TileQuarters()
{
    forgetLooks();
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
    return dx * TileSide + x - cornerX(corner) * Side;
}

int TileQuarters::lookY(int corner, int dy, int y)
{
    return dy * TileSide + y - cornerY(corner) * Side;
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
    for (Look& look : looks) {
        if (look.runs)
            destroy_rle_sprite(look.runs);
        if (look.picture)
            destroy_bitmap(look.picture);
        look = Look();
    }
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
                const int x = left + column * TileSide + cornerX(corner) * Side;
                const int y = top + row * TileSide + cornerY(corner) * Side;
                if (x >= target->cr || y >= target->cb || x + Side <= target->cl || y + Side <= target->ct)
                    continue;
                // The covering tiles in walk order: row by row, left to right.
                int key = 0;
                for (int n = Corners - 1; n >= 0; --n) {
                    const int code = codeAt(column + coverX(corner, n), row + coverY(corner, n));
                    key = key * PictureChoices + code % PictureChoices;
                }
                Look& look = lookFor(corner, key + NeighbourKeys * extra);
                if (look.empty)
                    continue;
                if (look.opaque)
                    blit(look.picture, target, 0, 0, x, y, Side, Side);
                else if (look.runs)
                    draw_rle_sprite(target, look.runs, x, y);
                else
                    draw_sprite(target, look.picture, x, y);
            }
        }
    }
}

TileQuarters::Look& TileQuarters::lookFor(int corner, int key)
{
    Look& look = looks[corner * NeighbourKeys * extraChoices + key];
    if (!look.painted)
        paintLook(look, corner, key);
    return look;
}

void TileQuarters::paintLook(Look& look, int corner, int key)
{
    int pictures[Corners];
    int rest = key;
    for (int n = 0; n < Corners; ++n) {
        pictures[n] = rest % PictureChoices;
        rest /= PictureChoices;
    }
    look.painted = true;
    look.picture = create_bitmap(Side, Side);
    if (!look.picture) {
        look.empty = true;
        return;
    }
    const int mask = bitmap_mask_color(look.picture);
    clear_to_color(look.picture, mask);
    paint(look.picture, corner, pictures, rest);
    const int runs = countRuns(look.picture, mask);
    look.empty = runs == 0;
    look.opaque = isOpaque(look.picture);
    if (!look.empty && !look.opaque && runs <= MostRunsForRle)
        look.runs = get_rle_sprite(look.picture);
}
