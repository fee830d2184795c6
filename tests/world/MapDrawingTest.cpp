#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "perception/Debris.h"
#include "perception/Sight.h"
#include "perception/View.h"
#include "support/ScratchDirectory.h"
#include "support/Headless.h"
#include "world/TileMap.h"

namespace {
namespace fs = std::filesystem;

int mask()
{
    return makecol(255, 0, 255);
}

// Solid picture with see-through corner squares and a marker square at
// (40, 40), so that a pixel test can tell exactly where it landed.
BITMAP* testPicture(int size, int colour, int marker)
{
    BITMAP* picture = create_bitmap(size, size);
    clear_to_color(picture, colour);
    const int c = size / 16 - 1;
    rectfill(picture, 0, 0, c, c, mask());
    rectfill(picture, size - 1 - c, 0, size - 1, c, mask());
    rectfill(picture, 0, size - 1 - c, c, size - 1, mask());
    rectfill(picture, size - 1 - c, size - 1 - c, size - 1, size - 1, mask());
    if (marker >= 0 && size > 48)
        rectfill(picture, 40, 40, 47, 47, marker);
    return picture;
}

void save(const char* file, BITMAP* picture)
{
    save_bitmap(file, picture, nullptr);
    destroy_bitmap(picture);
}

struct Colours {
    int dirt = makecol(120, 80, 40);
    int dirtMarker = makecol(200, 160, 40);
    int water = makecol(0, 0, 200);
    int waterMarker = makecol(0, 200, 200);
    int rock = makecol(128, 128, 128);
    int rockMarker = makecol(255, 255, 0);
    int waterFade = makecol(0, 0, 96);
    int rockFade = makecol(64, 64, 64);
    int fog = makecol(16, 16, 24);
    int debris[Debris::KindCount] = {makecol(255, 255, 255), makecol(200, 0, 0),  makecol(0, 200, 0),
                                     makecol(200, 0, 200),   makecol(0, 100, 200), makecol(250, 200, 0)};
};

void writeTestPictures(const Colours& colours)
{
    fs::create_directory("textures");
    save("textures/dirt.bmp", testPicture(128, colours.dirt, colours.dirtMarker));
    save("textures/water.bmp", testPicture(128, colours.water, colours.waterMarker));
    save("textures/rock.bmp", testPicture(128, colours.rock, colours.rockMarker));
    save("textures/wfade.bmp", testPicture(128, colours.waterFade, -1));
    save("textures/rfade.bmp", testPicture(128, colours.rockFade, -1));
    save("textures/fog.bmp", testPicture(128, colours.fog, -1));
    for (int kind = 0; kind < Debris::KindCount; ++kind)
        save(("textures/debris" + std::to_string(kind) + ".bmp").c_str(), testPicture(64, colours.debris[kind], -1));
}

int rgb(int colour)
{
    return headless::rgb16(getr(colour), getg(colour), getb(colour));
}

struct MapDrawing : testing::Test {
    Colours colours;
    std::unique_ptr<TileMap> map{new TileMap()};
    Debris debris;
    BITMAP* buffer = create_bitmap(800, 700);
    View view;

    MapDrawing()
    {
        {
            ScratchDirectory scratch;
            writeTestPictures(colours);
            map->loadTextures(nullptr);
            debris.loadPictures(nullptr);
        }
        map->debrisSource = &debris;
        view.setBuffer(buffer);
        clear_to_color(buffer, makecol(0, 0, 0));
        fill(Floor, Unseen);
    }
    ~MapDrawing() override { destroy_bitmap(buffer); }

    void fill(int32_t kind, int32_t visibility)
    {
        for (auto& column : map->tiles)
            for (Tile& tile : column) {
                tile.kind = kind;
                tile.visibility = visibility;
            }
    }
    Tile& tile(int column, int row) { return map->tiles[column][row]; }
    void lookFrom(double x, double y)
    {
        view.origin->x = x;
        view.origin->y = y;
    }
    bool shows(int x, int y, int colour) { return headless::rgbAt(buffer, x, y) == rgb(colour); }
    bool fogged(int x, int y) { return shows(x, y, colours.fog); }
};
}

TEST_F(MapDrawing, HalfFogIsTheFogPiercedInACheckerboard)
{
    int wrong = 0;
    for (int y = 8; y < 120; ++y)
        for (int x = 8; x < 120; ++x) {
            wrong += (getpixel(map->halfFog, x, y) == mask()) != ((x + y) % 2 == 0);
            wrong += getpixel(map->fog, x, y) == mask();
        }
    EXPECT_EQ(wrong, 0) << "holes exactly where x + y is even, and only in the half fog";
}

TEST_F(MapDrawing, AtTheWorldOriginTileOneOneHasDebrisAt64AndRockAt32)
{
    tile(1, 1).kind = Rock;
    tile(1, 1).debris = 2;
    tile(3, 1).debris = -1;
    tile(4, 1).debris = 6;  // outside the table: nothing
    lookFrom(0, 0);
    // The fade would cover the debris of its own tile; without it the debris shows.
    BITMAP* rockFade = map->rockFade;
    map->rockFade = nullptr;
    map->drawDebrisAndFades(view);
    map->rockFade = rockFade;
    EXPECT_TRUE(shows(68, 64, colours.debris[2]));
    EXPECT_TRUE(shows(127, 123, colours.debris[2]));
    EXPECT_FALSE(shows(63, 68, colours.debris[2]));
    EXPECT_TRUE(shows(4 * 64 + 8, 72, makecol(0, 0, 0)));

    map->drawWaterAndRock(view);
    // The rock picture's marker is at (40, 40) of a picture placed at (32, 32).
    EXPECT_TRUE(shows(72, 72, colours.rockMarker));
    EXPECT_TRUE(shows(71, 71, colours.rock));
    EXPECT_TRUE(shows(80, 80, colours.rock));
}

TEST_F(MapDrawing, NegativeOriginScrollsByItsPlaceWithinATile)
{
    lookFrom(-10, 5);  // ox 54, oy 5
    map->drawGround(view);
    // Dirt pictures at (-54 + 128 i, -5 + 128 j); their markers 40 px in.
    EXPECT_TRUE(shows(114, 35, colours.dirtMarker));
    EXPECT_TRUE(shows(113, 35, colours.dirt));
    EXPECT_TRUE(shows(114, 34, colours.dirt));
    EXPECT_TRUE(shows(-14 + 128 * 6, 35 + 128 * 5, colours.dirtMarker)) << "the last row and column";

    // Tile (3, 3) has its corner at world (192, 192), on screen at (202, 187).
    tile(3, 3).kind = Water;
    map->drawWaterAndRock(view);
    EXPECT_TRUE(shows(202 - 32 + 40, 187 - 32 + 40, colours.waterMarker));
    EXPECT_FALSE(shows(202 - 32 + 39, 187 - 32 + 39, colours.waterMarker));
}

TEST_F(MapDrawing, FadesReachHalfwayOverTheNeighboursAndLieUnderTheTerrain)
{
    lookFrom(0.5, 0.5);
    tile(3, 3).kind = Water;
    tile(7, 3).kind = Rock;
    map->drawDebrisAndFades(view);
    EXPECT_TRUE(shows(192 - 20, 192 + 20, colours.waterFade));
    EXPECT_TRUE(shows(448 + 20, 192 - 20, colours.rockFade));
    map->drawWaterAndRock(view);
    EXPECT_TRUE(shows(192 - 20, 192 + 20, colours.water));
}

// One frame as the game draws it, without actors: the sight reveal sits
// between the water-and-rock layer and the fog.
struct FogFrames : MapDrawing {
    Sight sight;
    Vector elf;

    FogFrames()
    {
        sight.tileMap = map.get();
        placeElf(3232, 3232);  // centre of tile (50, 50); ox 16, oy 2
    }
    void placeElf(double x, double y)
    {
        elf.x = x;
        elf.y = y;
        lookFrom(x - 400, y - 350);
    }
    void frame(double facing)
    {
        clear_to_color(buffer, makecol(0, 0, 0));
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
    EXPECT_FALSE(fogged(centreX(50), centreY(53)));
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
    EXPECT_FALSE(fogged(x + 1, y + 1));
}

TEST_F(FogFrames, OffTheGridIsAlwaysFullyFogged)
{
    placeElf(100, 100);
    map->outsideTile->visibility = InSight;
    frame(90);  // looking left, off the grid
    frame(90);
    EXPECT_EQ(map->outsideTile->visibility, Unreachable);
    EXPECT_TRUE(fogged(200, 350));
    EXPECT_TRUE(fogged(201, 350));
    EXPECT_TRUE(fogged(400, 200)) << "above the map";
    EXPECT_FALSE(fogged(432, 382)) << "the elf's own tile";
    EXPECT_FALSE(fogged(340, 382)) << "the first column, in sight";
}

TEST(MapDrawingWithoutPictures, DrawsNothingAndDoesNotCrash)
{
    std::unique_ptr<TileMap> map(new TileMap());
    Debris debris;
    {
        ScratchDirectory scratch;
        map->loadTextures(nullptr);
        debris.loadPictures(nullptr);
    }
    map->debrisSource = &debris;
    map->tiles[3][3].debris = 1;
    map->tiles[4][4].kind = Rock;
    BITMAP* buffer = create_bitmap(800, 700);
    clear_to_color(buffer, makecol(0, 0, 0));
    View view;
    view.setBuffer(buffer);
    map->drawGround(view);
    map->drawDebrisAndFades(view);
    map->drawWaterAndRock(view);
    map->drawFog(view);
    int lit = 0;
    for (int y = 0; y < 700; y += 7)
        for (int x = 0; x < 800; x += 7)
            lit += getpixel(buffer, x, y) != 0;
    EXPECT_EQ(lit, 0);
    destroy_bitmap(buffer);
}
