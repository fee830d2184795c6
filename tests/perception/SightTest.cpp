#include <gtest/gtest.h>

#include <memory>

#include "perception/Sight.h"
#include "world/TileMap.h"

namespace {
Vector at(double x, double y)
{
    Vector v;
    v.x = x;
    v.y = y;
    return v;
}

struct SightOnMap : testing::Test {
    std::unique_ptr<TileMap> map{new TileMap()};
    Sight sight;

    SightOnMap() { sight.tileMap = map.get(); }

    void fill(int32_t kind, int32_t visibility)
    {
        for (auto& column : map->tiles)
            for (Tile& tile : column) {
                tile.kind = kind;
                tile.visibility = visibility;
            }
    }
    Tile& tile(int column, int row) { return map->tiles[column][row]; }
};

constexpr double WholeCircle = 181.0;
}

TEST(SightCone, RangeEdgeIsInsideAndHalfAngleEdgeIsOutside)
{
    Sight sight;
    Vector apex = at(0, 0);
    // Facing -90: the apex lies to the left of its aim, so the cone opens toward +x.
    EXPECT_TRUE(sight.inCone(apex, at(100, 0), -90, 100, 10));
    EXPECT_FALSE(sight.inCone(apex, at(100.001, 0), -90, 100, 10));
    EXPECT_FALSE(sight.inCone(apex, at(-50, 0), -90, 100, 10)) << "behind the viewer";

    // Facing 0 looks up the screen; the angle of a point is then apex.angleFrom(point).
    Vector point = at(-30, -40);
    double edge = apex.angleFrom(point);
    EXPECT_FALSE(sight.inCone(apex, point, 0, 100, edge));
    EXPECT_TRUE(sight.inCone(apex, point, 0, 100, edge + 1e-9));
    EXPECT_FALSE(sight.inCone(apex, at(30, -40), 0, 100, edge)) << "the mirror edge";
    EXPECT_TRUE(sight.inCone(apex, at(30, -40), 0, 100, edge + 1e-9));
    EXPECT_TRUE(sight.inCone(apex, apex, 0, 100, 1)) << "the apex itself";
}

TEST_F(SightOnMap, RaysNearerThan100AreClearAndFartherThan600Blocked)
{
    Vector from = at(3200, 3200);
    fill(Rock, Unseen);
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3299.9)));
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3300))) << "no step is taken below d";
    EXPECT_TRUE(sight.isBlocked(from, at(3200, 3300.1)));
    EXPECT_TRUE(sight.isBlocked(from, at(3200, 3800)));

    fill(Floor, Unseen);
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3800)));
    EXPECT_TRUE(sight.isBlocked(from, at(3200, 3800.1)));
    EXPECT_TRUE(sight.isBlocked(from, at(3800.1, 3200)));
}

TEST_F(SightOnMap, RockUnderOnlyOneOfTheTwoRaysDoesNotBlock)
{
    fill(Floor, Unseen);
    // Looking straight down from one pixel right of a column boundary: the
    // two rays run at x = 3198 (column 49) and x = 3204 (column 50).
    Vector from = at(3201, 3000);
    Vector to = at(3201, 3500);
    tile(49, 50).kind = Rock;
    EXPECT_FALSE(sight.isBlocked(from, to));
    tile(50, 51).kind = Rock;
    EXPECT_FALSE(sight.isBlocked(from, to)) << "the rays pass the two rocks at different steps";
    tile(50, 50).kind = Rock;
    EXPECT_TRUE(sight.isBlocked(from, to));
}

TEST_F(SightOnMap, DiagonalCornerGrazedByOneRayDoesNotBlock)
{
    fill(Floor, Unseen);
    // A ray along the diagonal through the corner shared by tiles (50,50) and (51,51).
    Vector from = at(3000, 3000);
    Vector to = at(3400, 3400);
    tile(51, 50).kind = Rock;  // beside the diagonal: only one ray enters it
    EXPECT_FALSE(sight.isBlocked(from, to));
    tile(50, 51).kind = Rock;  // two rocks meeting at the corner close the gap
    EXPECT_TRUE(sight.isBlocked(from, to));
}

TEST_F(SightOnMap, RevealSamplesHalfATileOffTheViewer)
{
    fill(Floor, Unseen);
    sight.reveal(at(640, 640), 0, 2000, WholeCircle);
    // Samples sit at 640 + 32 + 64 i: within 600 px that is columns 1 to 18
    // along the viewer's row, one more to the left than to the right.
    for (int c = 0; c < 20; ++c)
        EXPECT_EQ(tile(c, 10).visibility, c >= 1 && c <= 18 ? InSight : Unseen) << "column " << c;
    for (int r = 0; r < 20; ++r)
        EXPECT_EQ(tile(10, r).visibility, r >= 1 && r <= 18 ? InSight : Unseen) << "row " << r;
    // Columns run -10..10 and rows only -10..9: the last sample is (1312, 1248).
    EXPECT_EQ(sight.samplePoint->x, 1312);
    EXPECT_EQ(sight.samplePoint->y, 1248);
}

TEST_F(SightOnMap, RevealWithAClosedConeShowsOnlyTheFourNearestSamples)
{
    fill(Floor, Unseen);
    sight.reveal(at(640, 640), 0, 600, 0);
    int revealed = 0;
    for (auto& column : map->tiles)
        for (Tile& t : column)
            revealed += t.visibility == InSight;
    EXPECT_EQ(revealed, 4);
    EXPECT_EQ(tile(9, 9).visibility, InSight);
    EXPECT_EQ(tile(10, 10).visibility, InSight);
}

TEST_F(SightOnMap, RevealNeverTouchesUnreachableAndNeverLowers)
{
    fill(Floor, Unseen);
    tile(10, 12).visibility = Unreachable;
    tile(10, 9).visibility = Seen;
    tile(10, 5).visibility = InSight;  // behind the viewer
    sight.reveal(at(672, 672), 180, 600, 45);  // facing 180 looks down
    EXPECT_EQ(tile(10, 12).visibility, Unreachable);
    EXPECT_EQ(tile(10, 14).visibility, InSight);
    EXPECT_EQ(tile(10, 5).visibility, InSight);
    EXPECT_EQ(tile(10, 9).visibility, Seen) << "behind the viewer and farther than 64 px";
}
