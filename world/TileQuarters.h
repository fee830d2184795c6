#pragma once

#include <allegro.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "core/OwnedBitmap.h"
#include "world/TileMap.h"

// What one map layer leaves on each quarter of a tile, kept for reuse. The
// layer's pictures are centred on their tiles and overhang them by at most
// a quarter's side, so a quarter can be reached only by four of them: its
// own tile's and those of the three neighbours toward that corner. Its look
// therefore depends only on what those four tiles draw; each look that
// occurs is painted once, in the layer's own drawing order, into a small
// masked picture, and drawing that picture puts down exactly the pixels the
// four big pictures would. Where most of the screen is covered four times
// over, each pixel is now written once.
//
// Each tile of the layer's grid walk gets a code: code % 3 says which of
// the layer's two pictures it draws (0 none), code / 3 anything more it
// draws within its own tile (such as debris).
class TileQuarters {
public:
    static constexpr int Side = TileMap::TileSize / 2;
    static constexpr int CoveringTiles = 4;
    static constexpr int PictureChoices = 3;
    // Looks are told apart by the four tiles' pictures and the own tile's extra.
    static constexpr int NeighbourKeys = PictureChoices * PictureChoices * PictureChoices * PictureChoices;

    // Paints into `look` (Side x Side, cleared to the mask colour) what the
    // layer draws over quarter `corner` (0 top-left, 1 top-right, 2 bottom-left,
    // 3 bottom-right of a tile) when the covering tiles, in walk order, draw
    // pictures[0..3] and the own tile has `extra`.
    using Paint = std::function<void(BITMAP* look, int corner, const int pictures[CoveringTiles], int extra)>;

    TileQuarters(int extraChoices, Paint paint);
    TileQuarters(const TileQuarters&) = delete;
    TileQuarters& operator=(const TileQuarters&) = delete;

    // Forgets every look if the layer's pictures are not those the looks
    // were painted from. (A picture replaced is noticed; one changed in
    // place after drawing is not.)
    void paintFrom(std::initializer_list<BITMAP*> pictures);

    // A grid of columns x rows tiles whose top-left tile has its corner at
    // screen (left, top); every code starts at 0.
    void startGrid(int columns, int rows, int left, int top);
    void setCode(int column, int row, int code);
    // Draws every quarter of the grid into target.
    void drawGrid(BITMAP* target);

    // For Paint: the tile offset (dx, dy) from the quarter's own tile of
    // covering tile n (0 to 3, in walk order) ...
    static int coverX(int corner, int n);
    static int coverY(int corner, int n);
    // ... and where in the look a picture goes that is drawn at (x, y)
    // relative to that tile's top-left corner.
    static int lookX(int corner, int dx, int x);
    static int lookY(int corner, int dy, int y);

private:
    struct Look {
        OwnedBitmap picture;
        bool empty = true;  // all mask colour: nothing to draw
    };

    Look& lookFor(int corner, int key);
    void paintLook(Look& look, int corner, int key);
    void forgetLooks();
    int codeAt(int column, int row) const;

    Paint paint;
    int extraChoices;
    std::vector<Look> looks;  // [corner][key]
    std::vector<bool> painted;
    std::vector<BITMAP*> sources;
    std::vector<int> codes;   // the grid with an empty ring around it
    int columns = 0;
    int rows = 0;
    int left = 0;
    int top = 0;
};

static_assert(TileMap::Overhang <= TileQuarters::Side, "a quarter is reached by the pictures of four tiles only");
