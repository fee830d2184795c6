#pragma once

#include "world/Vector.h"

// A point to hand to the game; Vector itself has only a default constructor.
inline Vector at(double x, double y, double z = 0.0)
{
    Vector v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}
