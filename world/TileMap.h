#pragma once

#include <allegro.h>

#include <cstdint>
#include <memory>

#include "core/OwnedBitmap.h"
#include "world/FastSprite.h"
#include "world/Tile.h"
#include "world/Vector.h"

class Debris;
class TileQuarters;
class SegmentCopies;
class View;

// The level: a fixed square grid of square tiles, indexed [column][row].
// Everything off the grid reads as rock.
class TileMap {
public:
    static constexpr int GridSize = 100;
    static constexpr int TileSize = 64;
    static constexpr int GridPixels = GridSize * TileSize;  // the grid's extent
    // The ground, water, rock, fade and fog pictures are this big; all but
    // the ground are centred on their tile and overhang it on every side.
    static constexpr int PictureSize = 128;
    static constexpr int Overhang = (PictureSize - TileSize) / 2;
    // Level start litters the playing area and this many tiles beyond it,
    // entrance included; the largest extent keeps that litter on the grid.
    static constexpr int LitterBorder = 15;
    static constexpr int MaxExtent = GridSize - LitterBorder;

    Tile tiles[GridSize][GridSize];
    std::unique_ptr<Vector> cursor;         // scratch walker of paste, loadSegment and the layers
    std::unique_ptr<Vector> segmentOrigin;  // world position of the segment being stamped
    OwnedBitmap dirt;
    OwnedBitmap water;
    OwnedBitmap rock;
    OwnedBitmap waterFade;
    OwnedBitmap rockFade;
    OwnedBitmap fog;
    OwnedBitmap halfFog;
    int32_t width;   // playing area in tiles
    int32_t height;
    std::unique_ptr<Tile> outsideTile;  // what tileAt answers off the grid; always rock
    Debris* debrisSource = nullptr;

    TileMap();
    ~TileMap();  // where TileQuarters is complete

    // The tile under a world point; x or y of 0.0 or less is off the grid.
    Tile& tileAt(const Vector& position);
    // The painting rule: 0 floor, 1 water (refused next to rock), 2 rock
    // (turns neighbouring water to floor); other codes change nothing.
    void paste(const Vector& position, int32_t code);

    // Stamps segment file maps/seg<number>.txt with its top-left tile at (x, y);
    // a file now missing, unreadable or short stamps its last complete copy.
    void loadSegment(int32_t x, int32_t y, int32_t number);
    // Empty level of the current extents: floor inside, rock around, all unreachable.
    void reset();
    // Marks every tile reachable from (x, y), and the rock it touches, as Unseen.
    void floodFill(int32_t x, int32_t y);
    // Builds levels until the entrance connects to near the top or left edge
    // of the playing area. Extents are clamped to 1 to MaxExtent. Returns
    // false, and leaves an empty (reset) level, if it gave up after its last
    // allowed attempt.
    bool build(int32_t width, int32_t height, int32_t segmentCount);

    // Loads the seven terrain pictures and pierces the half fog.
    void loadTextures(RGB* palette);
    void drawGround(View& view);
    void drawDebrisAndFades(View& view);
    void drawWaterAndRock(View& view);
    void drawFog(View& view);

    // Set by the editor: the layers draw row and column 0 as the tiles they
    // are, since the editor saves them, though play reads a point with x or
    // y of exactly 0 as off the grid and the game draws what play reads.
    bool showsGridEdge = false;

    // Attempts the last build needed (all it was allowed when it gave up).
    int32_t buildAttempts = 0;

    // What loadSegment stamps: each file as it is now, or its last complete copy.
    std::unique_ptr<SegmentCopies> segmentCopies;

    // For drawing the layers fast, with exactly the pixels of plain
    // draw_sprite calls (world/FastSprite.h, world/TileQuarters.h); the
    // quarters are made by loadTextures.
    FastSprite dirtSprite;
    std::unique_ptr<TileQuarters> fadeQuarters;
    std::unique_ptr<TileQuarters> waterAndRockQuarters;
    std::unique_ptr<TileQuarters> fogQuarters;
};
