#pragma once

#include "world/Vector.h"

// A point to hand to the game; Vector itself has only a default constructor.
inline Vector at(double x, double y)
{
    Vector v;
    v.x = x;
    v.y = y;
    return v;
}
