#include <gtest/gtest.h>

#include "perception/View.h"
#include "support/Point.h"

TEST(View, ConvertsBothWaysIntoOneScratchVectorAndCountsAllFourEdgesOnScreen)
{
    View view;
    view.origin->x = 100;
    view.origin->y = 200;
    view.result->z = 7;
    Vector& screenPoint = view.toScreen(at(150, 260));
    EXPECT_EQ(screenPoint.x, 50);
    EXPECT_EQ(screenPoint.y, 60);
    EXPECT_EQ(screenPoint.z, 7);
    Vector& world = view.toWorld(at(50, 60));
    EXPECT_EQ(&world, &screenPoint) << "the second answer overwrites the first";
    EXPECT_EQ(world.x, 150);
    EXPECT_EQ(world.y, 260);

    EXPECT_TRUE(view.isOnScreen(at(100, 200)));
    EXPECT_TRUE(view.isOnScreen(at(900, 900)));
    EXPECT_FALSE(view.isOnScreen(at(99.9, 500)));
    EXPECT_FALSE(view.isOnScreen(at(900.1, 500)));
    EXPECT_FALSE(view.isOnScreen(at(500, 199.9)));
    EXPECT_FALSE(view.isOnScreen(at(500, 900.1)));
}
