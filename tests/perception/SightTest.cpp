#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "perception/Sight.h"
#include "perception/View.h"
#include "support/Point.h"
#include "world/TileMap.h"

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

TEST_F(SightOnMap, ConesIncludeTheirRangeButNotTheirHalfAngleEdge)
{
    Vector apex = at(0, 0);
    // Facing -90: the apex lies left of its aim, so the cone opens toward +x.
    EXPECT_TRUE(sight.inCone(apex, at(100, 0), -90, 100, 10));
    EXPECT_FALSE(sight.inCone(apex, at(100.001, 0), -90, 100, 10));
    EXPECT_FALSE(sight.inCone(apex, at(-50, 0), -90, 100, 10)) << "behind the viewer";
    // Facing 0 looks up the screen: (30, -40) lies acos(0.8) off the axis.
    const double edge = std::acos(0.8) * 57.29579;
    EXPECT_FALSE(sight.inCone(apex, at(30, -40), 0, 100, edge));
    EXPECT_FALSE(sight.inCone(apex, at(-30, -40), 0, 100, edge)) << "the mirror side";
    EXPECT_TRUE(sight.inCone(apex, at(-30, -40), 0, 100, edge + 1e-9));
}

TEST_F(SightOnMap, RaysNearerThan100AreClearFartherThan600BlockedAndRockMustCoverBothRays)
{
    Vector from = at(3200, 3200);
    fill(Rock);
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3299.9)));
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3300))) << "no step is taken below d";
    EXPECT_TRUE(sight.isBlocked(from, at(3200, 3300.1)));
    fill(Floor);
    EXPECT_FALSE(sight.isBlocked(from, at(3200, 3800)));
    EXPECT_TRUE(sight.isBlocked(from, at(3200, 3800.1)));

    // Along the diagonal through the corner shared by tiles (50, 50) and (51, 51).
    tile(51, 50).kind = Rock;  // beside the diagonal: only one ray enters it
    EXPECT_FALSE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));
    tile(50, 51).kind = Rock;  // two rocks meeting at the corner close the gap
    EXPECT_TRUE(sight.isBlocked(at(3000, 3000), at(3400, 3400)));
}

TEST_F(SightOnMap, RevealSamplesHalfATileOffTheViewerAndNeverTouchesUnreachableOrLowers)
{
    tile(5, 10).visibility = Unreachable;
    sight.reveal(at(640, 640), 0, 2000, 181);
    // Samples sit at 640 + 32 + 64 i: within 600 px that is columns 1 to 18
    // along the viewer's row, and rows only run -10..9.
    EXPECT_EQ(tile(0, 10).visibility, Unseen);
    EXPECT_EQ(tile(1, 10).visibility, InSight);
    EXPECT_EQ(tile(19, 10).visibility, Unseen);
    EXPECT_EQ(tile(5, 10).visibility, Unreachable);
    EXPECT_EQ(sight.samplePoint->y, 1248);

    fill(Floor);
    tile(10, 9).visibility = Seen;
    sight.reveal(at(640, 640), 180, 600, 0);  // a closed cone still shows the samples within 64 px
    EXPECT_EQ(tile(9, 9).visibility, InSight);
    EXPECT_EQ(tile(10, 11).visibility, Unseen);
    EXPECT_EQ(tile(10, 9).visibility, InSight);
}

TEST(View, ConvertsBothWaysIntoOneScratchVectorAndCountsAllFourEdgesOnScreen)
{
    View view;
    view.origin->x = 100;
    view.origin->y = 200;
    Vector& screenPoint = view.toScreen(at(150, 260));
    EXPECT_EQ(screenPoint.x, 50);
    EXPECT_EQ(screenPoint.y, 60);
    Vector& world = view.toWorld(at(50, 60));
    EXPECT_EQ(&world, &screenPoint) << "the second answer overwrites the first";
    EXPECT_EQ(world.x, 150);
    EXPECT_EQ(world.y, 260);
    for (auto [x, y, on] : {std::tuple{100.0, 200.0, true}, {900.0, 900.0, true}, {99.9, 500.0, false},
                            {900.1, 500.0, false}, {500.0, 199.9, false}, {500.0, 900.1, false}})
        EXPECT_EQ(view.isOnScreen(at(x, y)), on) << x << ", " << y;
}
