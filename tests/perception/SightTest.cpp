#include <gtest/gtest.h>

#include <memory>

#include "perception/Sight.h"
#include "world/TileMap.h"
#include "support/Point.h"

namespace {
struct SightOnMap : testing::Test {
    std::unique_ptr<TileMap> map{new TileMap()};
    Sight sight;

    SightOnMap()
    {
        sight.tileMap = map.get();
        fill(Floor);
    }
    void fill(int32_t kind)
    {
        for (auto& column : map->tiles)
            for (Tile& tile : column)
                tile = Tile{kind, Unseen, -1};
    }
    Tile& tile(int column, int row) { return map->tiles[column][row]; }
};
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
    double edge = apex.angleFrom(at(-30, -40));
    EXPECT_FALSE(sight.inCone(apex, at(-30, -40), 0, 100, edge));
    EXPECT_FALSE(sight.inCone(apex, at(30, -40), 0, 100, edge)) << "the mirror edge";
    EXPECT_TRUE(sight.inCone(apex, at(30, -40), 0, 100, edge + 1e-9));
}

TEST_F(SightOnMap, RaysNearerThan100AreClearAndFartherThan600Blocked)
{
    Vector from = at(3200, 3200);
    fill(Rock);
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3299.9)));
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3300))) << "no step is taken below d";
    EXPECT_TRUE(sight.isBlocked(from, at(3200, 3300.1)));
    fill(Floor);
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3800)));
    EXPECT_TRUE(sight.isBlocked(from, at(3200, 3800.1)));
}

TEST_F(SightOnMap, RockMustCoverBothRaysAtTheSameStep)
{
    // Along the diagonal through the corner shared by tiles (50,50) and (51,51).
    tile(51, 50).kind = Rock;  // beside the diagonal: only one ray enters it
    EXPECT_FALSE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));
    tile(50, 51).kind = Rock;  // two rocks meeting at the corner close the gap
    EXPECT_TRUE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));

    // Straight down one pixel right of a column boundary: rays at x = 3198 and 3204.
    tile(49, 60).kind = Rock;
    tile(50, 61).kind = Rock;
    EXPECT_FALSE(sight.isBlocked(at(3201, 3700), at(3201, 4200))) << "the rays meet the rocks at different steps";
}

TEST_F(SightOnMap, RevealSamplesHalfATileOffTheViewer)
{
    sight.reveal(at(640, 640), 0, 2000, 181);
    // Samples sit at 640 + 32 + 64 i: within 600 px that is columns 1 to 18
    // along the viewer's row, one more to the left than to the right.
    EXPECT_EQ(tile(0, 10).visibility, Unseen);
    EXPECT_EQ(tile(1, 10).visibility, InSight);
    EXPECT_EQ(tile(18, 10).visibility, InSight);
    EXPECT_EQ(tile(19, 10).visibility, Unseen);
    EXPECT_EQ(tile(10, 18).visibility, InSight);
    // Columns run -10..10 and rows only -10..9: the last sample is (1312, 1248).
    EXPECT_EQ(sight.samplePoint->x, 1312);
    EXPECT_EQ(sight.samplePoint->y, 1248);
}

TEST_F(SightOnMap, RevealNeverTouchesUnreachableAndNeverLowers)
{
    tile(10, 12).visibility = Unreachable;
    tile(10, 9).visibility = Seen;
    tile(10, 5).visibility = InSight;  // behind the viewer
    sight.reveal(at(672, 672), 180, 600, 45);  // facing 180 looks down
    EXPECT_EQ(tile(10, 12).visibility, Unreachable);
    EXPECT_EQ(tile(10, 14).visibility, InSight);
    EXPECT_EQ(tile(10, 5).visibility, InSight);
    EXPECT_EQ(tile(10, 9).visibility, Seen) << "behind the viewer and farther than 64 px";

    fill(Floor);
    sight.reveal(at(640, 640), 0, 600, 0);  // a closed cone still shows the samples within 64 px
    EXPECT_EQ(tile(9, 9).visibility, InSight);
    EXPECT_EQ(tile(10, 10).visibility, InSight);
    EXPECT_EQ(tile(10, 11).visibility, Unseen);
}
