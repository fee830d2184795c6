#include <gtest/gtest.h>

#include <cmath>

#include "world/Vector.h"

namespace {
Vector at(double x, double y, double z = 0.0)
{
    Vector v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}
}

TEST(Vector, AngleFromCoincidentPointsIsZero)
{
    Vector a = at(5, 7);
    EXPECT_EQ(a.angleFrom(at(5, 7)), 0.0);
}

TEST(Vector, AngleSignsAroundTheCircle)
{
    Vector origin;
    double below = at(0, 10).angleFrom(origin);
    EXPECT_EQ(below, 0.0);
    EXPECT_TRUE(std::signbit(below)) << "straight below is negative zero";
    EXPECT_NEAR(at(10, 0).angleFrom(origin), 90.0, 1e-4);
    EXPECT_NEAR(at(-10, 0).angleFrom(origin), -90.0, 1e-4);
    double above = at(0, -10).angleFrom(origin);
    EXPECT_LT(above, -180.0) << "straight up is just below -180, never +180";
    EXPECT_NEAR(above, -180.00003, 1e-4);
    // Just either side of straight up the sign flips.
    EXPECT_GT(at(1e-9, -10).angleFrom(origin), 179.9);
    EXPECT_LT(at(-1e-9, -10).angleFrom(origin), -179.9);
}

TEST(Vector, RotateAndAngleFromAgree)
{
    for (double theta = -170; theta <= 170; theta += 17) {
        Vector v = at(0, 1);
        v.rotate(theta);
        EXPECT_NEAR(v.x, std::sin(theta * M_PI / 180), 1e-7);
        EXPECT_NEAR(v.y, std::cos(theta * M_PI / 180), 1e-7);
        EXPECT_NEAR(v.angleFrom(Vector()), theta, 1e-4);
    }
}

TEST(Vector, RotateQuarterTurnsAndBack)
{
    Vector v = at(0, 1);
    v.rotate(90);
    EXPECT_NEAR(v.x, 1, 1e-7);
    EXPECT_NEAR(v.y, 0, 1e-7);
    v.rotate(90);
    EXPECT_NEAR(v.x, 0, 1e-7);
    EXPECT_NEAR(v.y, -1, 1e-7);

    Vector w = at(3.5, -2.25, 9);
    w.rotate(37.5);
    w.rotate(-37.5);
    EXPECT_NEAR(w.x, 3.5, 1e-9);
    EXPECT_NEAR(w.y, -2.25, 1e-9);
    EXPECT_EQ(w.z, 9) << "rotation leaves z alone";
}

TEST(Vector, DistanceIgnoresZButDistance3DoesNot)
{
    EXPECT_DOUBLE_EQ(at(3, 4, 100).distance(Vector()), 5.0);
    EXPECT_DOUBLE_EQ(at(2, 3, 6).distance3(Vector()), 7.0);
}

TEST(Vector, TruncateGoesTowardZero)
{
    Vector v = at(-1.7, 2.9, 0.5);
    v.truncate();
    EXPECT_EQ(v.x, -1.0);
    EXPECT_EQ(v.y, 2.0);
    EXPECT_EQ(v.z, 0.5);
}

TEST(Vector, LerpEndsAndCopy)
{
    Vector a = at(1, 2);
    Vector b = at(10, 20);
    Vector v = at(0, 0, 4);
    v.lerp(a, b, 0);
    EXPECT_EQ(v.x, 1);
    EXPECT_EQ(v.y, 2);
    v.lerp(a, b, 1);
    EXPECT_EQ(v.x, 10);
    EXPECT_EQ(v.y, 20);
    EXPECT_EQ(v.z, 4);
    v.add3(1, 1, 1);
    Vector c;
    c.copyFrom(v);
    EXPECT_EQ(c.z, 5);
}
