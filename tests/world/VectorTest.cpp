#include <gtest/gtest.h>

#include <cmath>

#include "support/Point.h"

TEST(Vector, AngleSignsAroundTheCircle)
{
    Vector origin;
    EXPECT_EQ(at(5, 7).angleFrom(at(5, 7)), 0.0) << "coincident points";
    EXPECT_TRUE(std::signbit(at(0, 10).angleFrom(origin))) << "straight below is negative zero";
    EXPECT_NEAR(at(10, 0).angleFrom(origin), 90.0, 1e-4);
    EXPECT_NEAR(at(-10, 0).angleFrom(origin), -90.0, 1e-4);
    double above = at(0, -10).angleFrom(origin);
    EXPECT_LT(above, -180.0) << "straight up is just below -180, never +180";
    EXPECT_NEAR(above, -180.00003, 1e-4);
}

TEST(Vector, RotateAndAngleFromAgree)
{
    for (double theta = -170; theta <= 170; theta += 34) {
        Vector v = at(0, 1, 9);
        v.rotate(theta);
        EXPECT_NEAR(v.x, std::sin(theta * M_PI / 180), 1e-7);
        EXPECT_NEAR(v.y, std::cos(theta * M_PI / 180), 1e-7);
        EXPECT_NEAR(v.angleFrom(Vector()), theta, 1e-4);
        EXPECT_EQ(v.z, 9) << "rotation leaves z alone";
    }
}

TEST(Vector, DistancesLerpAndTruncate)
{
    EXPECT_DOUBLE_EQ(at(3, 4, 100).distance(Vector()), 5.0);
    EXPECT_DOUBLE_EQ(at(2, 3, 6).distance3(Vector()), 7.0);
    Vector v = at(0, 0, 4);
    v.lerp(at(1, 2), at(10, 20), 1.0 / 3);
    EXPECT_DOUBLE_EQ(v.x, 4);
    EXPECT_DOUBLE_EQ(v.y, 8);
    EXPECT_EQ(v.z, 4);
    Vector t = at(-1.7, 2.9);
    t.truncate();
    EXPECT_EQ(t.x, -1.0) << "toward zero, not down";
    EXPECT_EQ(t.y, 2.0);
}
