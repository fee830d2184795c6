#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "perception/Debris.h"
#include "perception/Sight.h"
#include "perception/View.h"
#include "support/Headless.h"
#include "support/Point.h"
#include "support/ScratchDirectory.h"
#include "world/TileMap.h"

namespace {
int mask()
{
    return makecol(255, 0, 255);
}

int colour(int rgb)
{
    return makecol(rgb >> 16, (rgb >> 8) & 255, rgb & 255);
}

// Solid picture with see-through corner squares and, in 128-px pictures, a
// marker square at (40, 40), so that a pixel test can tell where it landed.
BITMAP* testPicture(int size, int rgb, int markerRgb = -1)
{
    BITMAP* picture = create_bitmap(size, size);
    clear_to_color(picture, colour(rgb));
    const int c = size / 16 - 1;
    for (int x : {0, size - 1 - c})
        for (int y : {0, size - 1 - c})
            rectfill(picture, x, y, x + c, y + c, mask());
    if (markerRgb >= 0)
        rectfill(picture, 40, 40, 47, 47, colour(markerRgb));
    return picture;
}

constexpr int Dirt = 0x785028, DirtMarker = 0xc8a028, WaterRgb = 0x0000c8, WaterMarker = 0x00c8c8;
constexpr int RockRgb = 0x808080, RockMarker = 0xffff00, WaterFade = 0x000060, RockFade = 0x404040;
constexpr int Fog = 0x101018, Black = 0;
constexpr int DebrisRgb[Debris::KindCount] = {0xffffff, 0xc80000, 0x00c800, 0xc800c8, 0x0064c8, 0xf8c800};

// The fog comes from a file, as loadTextures pierces the half fog from it;
// the other pictures are handed over directly.
struct MapDrawing : testing::Test {
    std::unique_ptr<TileMap> map{new TileMap()};
    Debris debris;
    BITMAP* buffer = create_bitmap(800, 700);
    View view;

    MapDrawing()
    {
        {
            ScratchDirectory scratch;
            std::filesystem::create_directory("textures");
            BITMAP* fog = testPicture(128, Fog);
            save_bitmap("textures/fog.bmp", fog, nullptr);
            destroy_bitmap(fog);
            map->loadTextures(nullptr);
        }
        map->dirt = testPicture(128, Dirt, DirtMarker);
        map->water = testPicture(128, WaterRgb, WaterMarker);
        map->rock = testPicture(128, RockRgb, RockMarker);
        map->waterFade = testPicture(128, WaterFade);
        map->rockFade = testPicture(128, RockFade);
        for (int kind = 0; kind < Debris::KindCount; ++kind)
            debris.debrisSprites[kind] = testPicture(64, DebrisRgb[kind]);
        map->debrisSource = &debris;
        view.setBuffer(buffer);
        clear_to_color(buffer, 0);
        for (auto& column : map->tiles)
            for (Tile& tile : column)
                tile = Tile{Floor, Unseen, -1};
    }
    ~MapDrawing() override { destroy_bitmap(buffer); }

    Tile& tile(int column, int row) { return map->tiles[column][row]; }
    void lookFrom(double x, double y)
    {
        view.origin->x = x;
        view.origin->y = y;
    }
    bool shows(int x, int y, int rgb)
    {
        return headless::rgbAt(buffer, x, y) == headless::rgb16(rgb >> 16, (rgb >> 8) & 255, rgb & 255);
    }
    bool fogged(int x, int y) { return shows(x, y, Fog); }
};
}

TEST_F(MapDrawing, HalfFogIsTheFogPiercedInACheckerboard)
{
    int wrong = 0;
    for (int y = 8; y < 120; ++y)
        for (int x = 8; x < 120; ++x)
            wrong += (getpixel(map->halfFog, x, y) == mask()) != ((x + y) % 2 == 0)
                     || getpixel(map->fog, x, y) == mask();
    EXPECT_EQ(wrong, 0) << "holes exactly where x + y is even, and only in the half fog";
}

TEST_F(MapDrawing, AtTheWorldOriginTileOneOneHasDebrisAt64AndRockAt32)
{
    tile(1, 1).kind = Rock;
    tile(1, 1).debris = 2;
    tile(4, 1).debris = 6;  // outside the table: nothing
    lookFrom(0, 0);
    // The fade would cover the debris of its own tile; without it the debris shows.
    BITMAP* rockFade = map->rockFade;
    map->rockFade = nullptr;
    map->drawDebrisAndFades(view);
    map->rockFade = rockFade;
    EXPECT_TRUE(shows(68, 64, DebrisRgb[2]));
    EXPECT_FALSE(shows(63, 68, DebrisRgb[2]));
    EXPECT_TRUE(shows(4 * 64 + 8, 72, Black));

    map->drawWaterAndRock(view);
    // The rock picture's marker is at (40, 40) of a picture placed at (32, 32).
    EXPECT_TRUE(shows(72, 72, RockMarker));
    EXPECT_TRUE(shows(71, 71, RockRgb));
}

TEST_F(MapDrawing, NegativeOriginScrollsByItsPlaceWithinATileAndFadesLieUnderTheTerrain)
{
    lookFrom(-10, 5);  // ox 54, oy 5
    map->drawGround(view);
    // Dirt pictures at (-54 + 128 i, -5 + 128 j); their markers 40 px in.
    EXPECT_TRUE(shows(114, 35, DirtMarker));
    EXPECT_TRUE(shows(113, 34, Dirt));
    EXPECT_TRUE(shows(-14 + 128 * 6, 35 + 128 * 5, DirtMarker)) << "the last row and column";

    // Tile (3, 3) has its corner at world (192, 192), on screen at (202, 187).
    tile(3, 3).kind = Water;
    map->drawDebrisAndFades(view);
    EXPECT_TRUE(shows(202 - 20, 187 + 20, WaterFade)) << "over the neighbour's near half";
    map->drawWaterAndRock(view);
    EXPECT_TRUE(shows(202 - 32 + 40, 187 - 32 + 40, WaterMarker));
    EXPECT_FALSE(shows(202 - 32 + 39, 187 - 32 + 39, WaterMarker));
    EXPECT_TRUE(shows(202 - 20, 187 + 20, WaterRgb));
}

// One frame as the game draws it, without actors: the sight reveal sits
// between the water-and-rock layer and the fog.
struct FogFrames : MapDrawing {
    Sight sight;
    Vector elf = at(3232, 3232);  // centre of tile (50, 50)

    FogFrames()
    {
        sight.tileMap = map.get();
        lookFrom(elf.x - 400, elf.y - 350);  // ox 16, oy 2
    }
    void frame(double facing)
    {
        map->drawGround(view);
        map->drawDebrisAndFades(view);
        map->drawWaterAndRock(view);
        sight.reveal(elf, facing, 400, 45);
        map->drawFog(view);
    }
    int centreX(int column) { return column * 64 + 32 - static_cast<int>(view.origin->x); }
    int centreY(int row) { return row * 64 + 32 - static_cast<int>(view.origin->y); }
};

TEST_F(FogFrames, InSightThenSeenAndHalfFoggedWhenTheElfLooksAway)
{
    const double lookingDown = 180, lookingUp = 0;
    tile(50, 55).visibility = Unreachable;
    frame(lookingDown);
    EXPECT_EQ(tile(50, 53).visibility, InSight);
    EXPECT_FALSE(fogged(centreX(50) + 1, centreY(53)));
    EXPECT_EQ(tile(50, 55).visibility, Unreachable);
    EXPECT_TRUE(fogged(centreX(50) + 1, centreY(55)));
    EXPECT_TRUE(fogged(centreX(55), centreY(50))) << "never seen";

    frame(lookingUp);
    EXPECT_EQ(tile(50, 53).visibility, Seen);
    EXPECT_EQ(tile(50, 47).visibility, InSight);
    // ox + oy is even, so the holes of the half fog are where x + y is even.
    int x = centreX(50), y = centreY(53);
    ASSERT_EQ((x + y) % 2, 0);
    EXPECT_FALSE(fogged(x, y));
    EXPECT_TRUE(fogged(x + 1, y));
}

TEST_F(FogFrames, OffTheGridIsAlwaysFullyFogged)
{
    elf = at(100, 100);
    lookFrom(elf.x - 400, elf.y - 350);
    map->outsideTile->visibility = InSight;
    frame(90);  // looking left, off the grid
    frame(90);
    EXPECT_EQ(map->outsideTile->visibility, Unreachable);
    EXPECT_TRUE(fogged(201, 350));
    EXPECT_TRUE(fogged(400, 200)) << "above the map";
    EXPECT_FALSE(fogged(432, 382)) << "the elf's own tile";
    EXPECT_FALSE(fogged(340, 382)) << "the first column, in sight";
}
