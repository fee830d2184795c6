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
