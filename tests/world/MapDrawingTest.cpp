#include <gtest/gtest.h>

#include <array>

#include "support/ActorWorld.h"

namespace {
constexpr int Fog = 0x202030, HalfFog = 0x606070, Mark = 0xc8a028;

struct MapDrawing : testing::Test {
    ActorWorld world;
    TileMap& map = *world.map;
    View& view = *world.view;

    Tile& tile(int column, int row) { return map.tiles[column][row]; }
    void lookFrom(double x, double y)
    {
        view.origin->x = x;
        view.origin->y = y;
    }
    // One frame as the game draws it, without actors: the sight reveal sits
    // between the water-and-rock layer and the fog.
    void frame(double facing)
    {
        clear_to_color(world.buffer, 0);
        map.drawWaterAndRock(view);
        world.sight->reveal(*world.elf->position, facing, 400, 45);
        map.drawFog(view);
    }
};
}

TEST_F(MapDrawing, HalfFogIsTheFogPiercedInACheckerboard)
{
    int wrong = 0;
    for (int y = 32; y < 96; ++y)
        for (int x = 32; x < 96; ++x)
            wrong += getpixel(map.halfFog, x, y) != ((x + y) % 2 ? getpixel(map.fog, x, y) : makecol(255, 0, 255));
    EXPECT_EQ(wrong, 0);
}

TEST_F(MapDrawing, PicturesLandAtTheirTilesScrolledByTheOriginsPlaceWithinATile)
{
    for (BITMAP** picture : {&map.dirt, &map.water, &map.rock})
        world.paint(*picture, 128, 128, Mark, 40, 40, false);
    world.paint(world.debris->debrisSprites[2], 64, 64, Mark, 2, 2, false);
    tile(3, 3).kind = Water;
    tile(1, 3).kind = Rock;
    tile(5, 1).debris = 2;
    lookFrom(-10, 5);  // ox 54, oy 5: tile (x, y) has its corner at (64 x + 10, 64 y - 5)
    map.drawGround(view);
    map.drawDebrisAndFades(view);
    map.drawWaterAndRock(view);
    // First pixel of each mark: dirt every 128 px from (-54, -5); debris at
    // its tile's corner, water and rock 32 px up and left of it.
    for (auto [x, y] : {std::array{-54 + 128 + 38, -5 + 38}, {202 - 32 + 38, 187 - 32 + 38}, {74 - 32 + 38, 187 - 32 + 38},
                        {330, 59}}) {
        EXPECT_TRUE(world.shows(x, y, Mark)) << x << "," << y;
        EXPECT_FALSE(world.shows(x - 1, y - 1, Mark)) << x << "," << y;
    }
}

TEST_F(MapDrawing, FogHidesTheUnseenHalfHidesWhatWasSeenAndAlwaysHidesOffTheGrid)
{
    world.paint(map.fog, 128, 128, Fog);
    world.paint(map.halfFog, 128, 128, HalfFog);
    world.placeElf(3232, 3232);  // centre of tile (50, 50)
    lookFrom(3232 - 400, 3232 - 350);
    auto atTile = [&](int column, int row, int rgb) { return world.shows(column * 64 - 2800, row * 64 - 2850, rgb); };
    tile(50, 55).visibility = Unreachable;
    frame(180);  // looking down
    EXPECT_EQ(tile(50, 53).visibility, InSight);
    EXPECT_FALSE(atTile(50, 53, Fog) || atTile(50, 53, HalfFog));
    EXPECT_TRUE(atTile(50, 55, Fog));
    EXPECT_TRUE(atTile(55, 50, Fog)) << "never seen";
    frame(0);  // looking up
    EXPECT_TRUE(atTile(50, 53, HalfFog));
    EXPECT_FALSE(atTile(50, 47, Fog) || atTile(50, 47, HalfFog));

    world.placeElf(100, 100);
    lookFrom(100 - 400, 100 - 350);
    map.outsideTile->visibility = InSight;
    frame(90);  // looking left, off the grid
    EXPECT_TRUE(world.shows(201, 350, Fog));
    EXPECT_TRUE(world.shows(400, 200, Fog)) << "above the map";
    EXPECT_FALSE(world.shows(340, 382, Fog) || world.shows(340, 382, HalfFog)) << "the first column, in sight";
}
