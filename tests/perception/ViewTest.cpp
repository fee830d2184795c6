#include <gtest/gtest.h>

#include "perception/View.h"

namespace {
Vector at(double x, double y)
{
    Vector v;
    v.x = x;
    v.y = y;
    return v;
}

struct ViewAt : testing::Test {
    View view;
    ViewAt()
    {
        view.origin->x = 100;
        view.origin->y = 200;
    }
};
}

TEST_F(ViewAt, ConvertsBothWaysAndKeepsZ)
{
    view.result->z = 7;
    Vector& screenPoint = view.toScreen(at(150, 260));
    EXPECT_EQ(screenPoint.x, 50);
    EXPECT_EQ(screenPoint.y, 60);
    EXPECT_EQ(screenPoint.z, 7);
    Vector& world = view.toWorld(at(50, 60));
    EXPECT_EQ(world.x, 150);
    EXPECT_EQ(world.y, 260);
}

TEST_F(ViewAt, SecondConversionOverwritesTheFirst)
{
    Vector& first = view.toScreen(at(150, 260));
    Vector& second = view.toScreen(at(300, 400));
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.x, 200);
    EXPECT_EQ(first.y, 200);
}

TEST_F(ViewAt, AllFourScreenEdgesAreOnScreen)
{
    EXPECT_TRUE(view.isOnScreen(at(100, 200)));
    EXPECT_TRUE(view.isOnScreen(at(900, 900)));
    EXPECT_TRUE(view.isOnScreen(at(500, 200)));
    EXPECT_TRUE(view.isOnScreen(at(100, 900)));
    EXPECT_FALSE(view.isOnScreen(at(99.9, 500)));
    EXPECT_FALSE(view.isOnScreen(at(900.1, 500)));
    EXPECT_FALSE(view.isOnScreen(at(500, 199.9)));
    EXPECT_FALSE(view.isOnScreen(at(500, 900.1)));
}
