#include <gtest/gtest.h>

#include <tuple>

#include "support/Point.h"

// Seen from (10, 20): angles run from straight down toward +x, in the game's
// degrees of 57.29579 to the radian, so a quarter turn is a hair over 90.
TEST(Vector, AnglesRunFromStraightDownTowardPlusXAndAPointSeenFromItselfLiesAtZero)
{
    for (auto [x, y, angle] : {std::tuple{10.0, 20.0, 0.0}, {10.0, 25.0, 0.0}, {15.0, 20.0, 90.0000165},
                               {5.0, 20.0, -90.0000165}, {13.0, 24.0, 36.8699044}, {7.0, 16.0, -143.1301286},
                               {10.0, 15.0, -180.0000329}})
        EXPECT_NEAR(at(x, y).angleFrom(at(10, 20)), angle, 1e-7) << x << ", " << y;
}

TEST(Vector, RotatingRaisesTheAngleAndDistancesLeaveZOut)
{
    for (auto [x, y, degrees, turnedX, turnedY] :
         {std::tuple{0.0, 1.0, 90.0, 1.0, 0.0}, {1.0, 0.0, 90.0, 0.0, -1.0}, {3.0, 4.0, -36.8699044, 0.0, 5.0}}) {
        Vector v = at(x, y);
        v.z = 7;
        v.rotate(degrees);
        EXPECT_NEAR(v.distance(at(turnedX, turnedY)), 0, 1e-6) << x << ", " << y << " by " << degrees;
        EXPECT_EQ(v.z, 7);
    }
    Vector far = at(13, 24);
    far.z = 100;
    EXPECT_EQ(far.distance(at(10, 20)), 5);
    Vector other = at(11, 22);
    other.z = 101;
    EXPECT_EQ(far.distance3(other), 3);
}

// The operations no rule uses yet still keep their word.
TEST(Vector, CopyAddLerpAndTruncate)
{
    Vector v;
    v.copyFrom(at(-1.7, 2.9));
    v.add3(0, 0, 4);
    v.truncate();
    v.add(0.5, -0.5);
    EXPECT_TRUE(v.x == -0.5 && v.y == 1.5 && v.z == 4);
    Vector copy;
    copy.copyFrom(v);
    copy.lerp(at(0, 0), at(10, 20), 0.25);
    EXPECT_TRUE(copy.x == 2.5 && copy.y == 5 && copy.z == 4);
}
