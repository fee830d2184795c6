#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "perception/Debris.h"
#include "perception/Sight.h"
#include "perception/View.h"
#include "sound/SoundBoard.h"
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

TEST_F(MapDrawing, LoadsEveryPictureAndPiercesOnlyTheHalfFog)
{
    BITMAP* pictures[] = {map->dirt, map->water, map->rock, map->waterFade, map->rockFade, map->fog, map->halfFog};
    for (BITMAP* picture : pictures)
        ASSERT_NE(picture, nullptr);
    int wrong = 0;
    for (int y = 8; y < 120; ++y)
        for (int x = 8; x < 120; ++x) {
            bool hole = getpixel(map->halfFog, x, y) == mask();
            wrong += hole != ((x + y) % 2 == 0);
            wrong += getpixel(map->fog, x, y) == mask();
        }
    EXPECT_EQ(wrong, 0) << "half fog is a checkerboard with holes where x + y is even";
}

TEST_F(MapDrawing, AtTheWorldOriginTileOneOneSitsAt64)
{
    tile(1, 1).kind = Rock;
    tile(1, 1).debris = 2;
    lookFrom(0, 0);

    // The fade would cover the debris of its own tile; without it the debris shows.
    BITMAP* rockFade = map->rockFade;
    map->rockFade = nullptr;
    map->drawDebrisAndFades(view);
    map->rockFade = rockFade;
    EXPECT_TRUE(shows(68, 64, colours.debris[2]));
    EXPECT_TRUE(shows(127, 127 - 4, colours.debris[2]));
    EXPECT_FALSE(shows(63, 68, colours.debris[2]));
    EXPECT_FALSE(shows(128, 68, colours.debris[2]));

    map->drawWaterAndRock(view);
    // The rock picture's marker is at (40, 40) of a picture placed at (32, 32).
    EXPECT_TRUE(shows(72, 72, colours.rockMarker));
    EXPECT_TRUE(shows(79, 79, colours.rockMarker));
    EXPECT_TRUE(shows(71, 71, colours.rock));
    EXPECT_TRUE(shows(80, 80, colours.rock));
}

TEST_F(MapDrawing, NegativeOriginScrollsByItsPlaceWithinATile)
{
    lookFrom(-10, 5);  // ox 54, oy 5
    map->drawGround(view);
    // Dirt pictures at (-54 + 128 i, -5 + 128 j); their markers 40 px in.
    EXPECT_TRUE(shows(114, 35, colours.dirtMarker));
    EXPECT_TRUE(shows(121, 42, colours.dirtMarker));
    EXPECT_TRUE(shows(113, 35, colours.dirt));
    EXPECT_TRUE(shows(114, 34, colours.dirt));
    EXPECT_TRUE(shows(114 + 64, 35, colours.dirt)) << "one picture every 128 px";
    EXPECT_TRUE(shows(114 + 128, 35 + 128, colours.dirtMarker));
    EXPECT_TRUE(shows(-14 + 128 * 6, 35 + 128 * 5, colours.dirtMarker)) << "the last row and column";

    // Tile (3, 3) has its corner at world (192, 192), on screen at (202, 187).
    tile(3, 3).kind = Water;
    map->drawWaterAndRock(view);
    EXPECT_TRUE(shows(202 - 32 + 40, 187 - 32 + 40, colours.waterMarker));
    EXPECT_FALSE(shows(202 - 32 + 39, 187 - 32 + 40, colours.waterMarker));
    EXPECT_FALSE(shows(202 - 32 + 40, 187 - 32 + 39, colours.waterMarker));
}

TEST_F(MapDrawing, DebrisShowsItsOwnKindAndNothingOutsideTheTable)
{
    lookFrom(0.5, 0.5);  // grid points land just inside their tiles
    const int kinds[] = {0, -1, 6, 5, -7};
    for (int i = 0; i < 5; ++i)
        tile(2 + 2 * i, 2).debris = kinds[i];
    map->drawDebrisAndFades(view);
    EXPECT_TRUE(shows(128 + 8, 128 + 8, colours.debris[0]));
    EXPECT_TRUE(shows(256 + 8, 128 + 8, makecol(0, 0, 0)));
    EXPECT_TRUE(shows(384 + 8, 128 + 8, makecol(0, 0, 0)));
    EXPECT_TRUE(shows(512 + 8, 128 + 8, colours.debris[5]));
    EXPECT_TRUE(shows(640 + 8, 128 + 8, makecol(0, 0, 0)));

    map->debrisSource = nullptr;
    clear_to_color(buffer, makecol(0, 0, 0));
    map->drawDebrisAndFades(view);
    EXPECT_TRUE(shows(128 + 8, 128 + 8, makecol(0, 0, 0)));
}

TEST_F(MapDrawing, FadesLieUnderWaterAndRockAndBesideThem)
{
    lookFrom(0.5, 0.5);
    tile(3, 3).kind = Water;
    tile(7, 3).kind = Rock;
    map->drawDebrisAndFades(view);
    EXPECT_TRUE(shows(192 - 20, 192 + 20, colours.waterFade)) << "32 px over the neighbour";
    EXPECT_TRUE(shows(448 + 20, 192 - 20, colours.rockFade));
    map->drawWaterAndRock(view);
    EXPECT_TRUE(shows(192 - 20, 192 + 20, colours.water));
    EXPECT_TRUE(shows(448 + 20, 192 - 20, colours.rock));
}

// One frame as the game draws it, without actors: the sight reveal sits
// between the water-and-rock layer and the fog.
struct FogFrames : MapDrawing {
    Sight sight;
    Vector elf;

    FogFrames()
    {
        sight.tileMap = map.get();
        elf.x = 3232;  // centre of tile (50, 50)
        elf.y = 3232;
        lookFrom(elf.x - 400, elf.y - 350);  // ox 16, oy 2
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
    // Screen pixel at the centre of a tile.
    int centreX(int column) { return column * 64 + 32 - static_cast<int>(view.origin->x); }
    int centreY(int row) { return row * 64 + 32 - static_cast<int>(view.origin->y); }
};

constexpr double LookingDown = 180;
constexpr double LookingUp = 0;

TEST_F(FogFrames, InSightThenSeenThenHalfFogged)
{
    tile(50, 55).visibility = Unreachable;
    frame(LookingDown);
    EXPECT_EQ(tile(50, 53).visibility, InSight);
    EXPECT_FALSE(fogged(centreX(50), centreY(53)));
    EXPECT_FALSE(fogged(centreX(50) + 1, centreY(53)));
    EXPECT_EQ(tile(50, 55).visibility, Unreachable);
    EXPECT_TRUE(fogged(centreX(50), centreY(55)));
    EXPECT_TRUE(fogged(centreX(50) + 1, centreY(55)));
    EXPECT_TRUE(fogged(centreX(55), centreY(50))) << "never seen";

    frame(LookingUp);
    EXPECT_EQ(tile(50, 53).visibility, Seen);
    EXPECT_EQ(tile(50, 47).visibility, InSight);
    // ox + oy is even, so the holes of the half fog are where x + y is even.
    int x = centreX(50), y = centreY(53);
    ASSERT_EQ((x + y) % 2, 0);
    EXPECT_FALSE(fogged(x, y));
    EXPECT_TRUE(fogged(x + 1, y));
    EXPECT_TRUE(fogged(x, y + 1));
    EXPECT_FALSE(fogged(x + 1, y + 1));
    EXPECT_FALSE(fogged(centreX(50), centreY(47)));
    EXPECT_FALSE(fogged(centreX(50) + 1, centreY(47)));
}

TEST_F(FogFrames, OffTheGridIsAlwaysFullyFogged)
{
    elf.x = 100;
    elf.y = 100;
    lookFrom(elf.x - 400, elf.y - 350);
    map->outsideTile->visibility = InSight;
    const double lookingLeft = 90;
    frame(lookingLeft);
    frame(lookingLeft);
    EXPECT_EQ(map->outsideTile->visibility, Unreachable);
    EXPECT_TRUE(fogged(400 - 200, 350));
    EXPECT_TRUE(fogged(400 - 200 + 1, 350));
    EXPECT_TRUE(fogged(400, 350 - 150)) << "above the map";
    EXPECT_FALSE(fogged(400 + 32, 350 + 32)) << "the elf's own tile";
    EXPECT_FALSE(fogged(400 - 60, 350 + 32)) << "the first column, in sight";
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
    EXPECT_EQ(map->halfFog, nullptr);
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

// A whole frame of map layers, fog in its three strengths and noise rings,
// saved as build/frame-preview.png for a person to look at. The pictures are
// simple stand-ins drawn here.
namespace {
BITMAP* maskedPicture(int size)
{
    BITMAP* picture = create_bitmap(size, size);
    clear_to_color(picture, mask());
    return picture;
}

// Speckles repeat every 64 px so that the ground scrolls without seams.
BITMAP* previewDirt()
{
    BITMAP* picture = create_bitmap(128, 128);
    clear_to_color(picture, makecol(92, 66, 44));
    unsigned seed = 7;
    for (int i = 0; i < 90; ++i) {
        seed = seed * 1103515245u + 12345u;
        int x = (seed >> 8) % 64, y = (seed >> 16) % 64;
        int colour = i % 3 ? makecol(110, 82, 56) : makecol(70, 50, 34);
        for (int dx = 0; dx < 128; dx += 64)
            for (int dy = 0; dy < 128; dy += 64)
                circlefill(picture, x + dx, y + dy, i % 4 == 0 ? 2 : 1, colour);
    }
    return picture;
}

BITMAP* previewBlob(int radius, int colour, int edge)
{
    BITMAP* picture = maskedPicture(128);
    circlefill(picture, 64, 64, radius, colour);
    if (edge >= 0)
        circle(picture, 64, 64, radius, edge);
    return picture;
}

BITMAP* previewDebris(int kind)
{
    BITMAP* picture = maskedPicture(64);
    switch (kind) {
    case 0:
    case 1:
        line(picture, 18, 40, 46, 24, makecol(230, 225, 200));
        circlefill(picture, 17, 40, 3, makecol(230, 225, 200));
        circlefill(picture, 47, 24, 3, makecol(230, 225, 200));
        break;
    case 2:
        circlefill(picture, 32, 30, 9, makecol(220, 215, 190));
        circlefill(picture, 28, 29, 2, makecol(30, 30, 30));
        circlefill(picture, 36, 29, 2, makecol(30, 30, 30));
        break;
    case 3:
    case 4:
        triangle(picture, 20, 40, 30, 22, 34, 42, kind == 3 ? makecol(120, 220, 230) : makecol(90, 200, 110));
        triangle(picture, 38, 30, 48, 28, 42, 40, kind == 3 ? makecol(120, 220, 230) : makecol(90, 200, 110));
        break;
    default:
        circlefill(picture, 30, 36, 9, makecol(250, 210, 40));
        circlefill(picture, 38, 26, 6, makecol(250, 210, 40));
        triangle(picture, 43, 25, 50, 27, 43, 29, makecol(240, 120, 20));
        break;
    }
    return picture;
}

// Opaque within 16 px of its tile, dithered beyond, so that a clear tile
// next to fog keeps a soft edge.
BITMAP* previewFog()
{
    BITMAP* picture = create_bitmap(128, 128);
    clear_to_color(picture, makecol(10, 10, 14));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            bool band = x < 16 || x >= 112 || y < 16 || y >= 112;
            if (band && (x + y) % 2 == 0)
                putpixel(picture, x, y, mask());
        }
    return picture;
}

void writePreviewPictures()
{
    fs::create_directory("textures");
    save("textures/dirt.bmp", previewDirt());
    save("textures/water.bmp", previewBlob(50, makecol(40, 90, 170), makecol(120, 170, 230)));
    save("textures/rock.bmp", previewBlob(54, makecol(110, 105, 100), makecol(70, 66, 62)));
    save("textures/wfade.bmp", previewBlob(63, makecol(60, 70, 80), -1));
    save("textures/rfade.bmp", previewBlob(63, makecol(48, 34, 24), -1));
    save("textures/fog.bmp", previewFog());
    for (int kind = 0; kind < Debris::KindCount; ++kind)
        save(("textures/debris" + std::to_string(kind) + ".bmp").c_str(), previewDebris(kind));
}

// A walled cave with pillars, a pool and litter; beyond its walls nothing
// is reachable.
void buildPreviewCave(TileMap& map)
{
    for (auto& column : map.tiles)
        for (Tile& tile : column) {
            tile.kind = Rock;
            tile.visibility = Unreachable;
            tile.debris = -1;
        }
    Vector& at = *map.cursor;
    auto pasteTile = [&](int column, int row, int32_t code) {
        at.x = column * 64 + 32;
        at.y = row * 64 + 32;
        map.paste(at, code);
    };
    for (int c = 46; c <= 55; ++c)
        for (int r = 48; r <= 55; ++r)
            pasteTile(c, r, Floor);
    pasteTile(49, 50, Rock);
    pasteTile(49, 49, Rock);
    pasteTile(53, 53, Rock);
    for (int c = 47; c <= 48; ++c)
        for (int r = 52; r <= 54; ++r)
            pasteTile(c, r, Water);
    for (int c = 45; c <= 56; ++c)
        for (int r = 47; r <= 56; ++r)
            map.tiles[c][r].visibility = Unseen;
    const int litter[][3] = {{51, 49, 0}, {54, 50, 1}, {52, 54, 2}, {46, 49, 3}, {55, 55, 4}, {50, 53, 5}, {47, 55, 2}};
    for (const auto& piece : litter)
        map.tiles[piece[0]][piece[1]].debris = piece[2];
}
}

TEST(FramePreview, LayersFogAndRingsMakeOnePicture)
{
    std::unique_ptr<TileMap> map(new TileMap());
    Debris debris;
    {
        ScratchDirectory scratch;
        writePreviewPictures();
        map->loadTextures(nullptr);
        debris.loadPictures(nullptr);
    }
    map->debrisSource = &debris;
    buildPreviewCave(*map);
    Sight sight;
    sight.tileMap = map.get();

    BITMAP* buffer = create_bitmap(800, 700);
    View view;
    view.setBuffer(buffer);
    Vector elf;
    elf.x = 50 * 64 + 32;
    elf.y = 51 * 64 + 32;
    view.origin->x = elf.x - 400;
    view.origin->y = elf.y - 350;
    SoundBoard sound;
    sound.view = &view;

    const double lookingLeft = 90, lookingDownRight = -135;
    auto frame = [&](double facing) {
        clear_to_color(buffer, makecol(0, 0, 0));
        map->drawGround(view);
        map->drawDebrisAndFades(view);
        map->drawWaterAndRock(view);
        sight.reveal(elf, facing, 450, 35);
        circlefill(buffer, 400, 350, 14, makecol(60, 200, 90));
        map->drawFog(view);
        sound.drawRings();
        circlefill(buffer, 400, 350, 14, makecol(60, 200, 90));
    };
    frame(lookingLeft);

    Vector noise;
    // The near sound comes last: a farther one would take over its ring.
    const double noises[][2] = {{elf.x + 250, elf.y + 260}, {elf.x - 300, elf.y - 120}, {elf.x + 90, elf.y + 40}};
    for (const auto& at : noises) {
        noise.x = at[0];
        noise.y = at[1];
        sound.playAt(noise, 600, 6);
    }
    for (int tick = 0; tick < 3; ++tick)
        sound.updateRings();
    frame(lookingDownRight);

    EXPECT_EQ(map->tiles[46][51].visibility, Seen) << "seen in the first frame only";
    EXPECT_EQ(map->tiles[52][53].visibility, InSight);
    EXPECT_EQ(map->tiles[54][48].visibility, Unseen);
    EXPECT_TRUE(headless::savePng(buffer, "../frame-preview.png"));
    destroy_bitmap(buffer);
}
