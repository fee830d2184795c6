// The pool under a fallen figure: one lit puddle with drops splashed around it.
#include "Families.h"
#include "Palette.h"
#include "Rng.h"

#include <cmath>

void paintBloodPool(Image& image, Placement at, const BloodPool& pool)
{
    Material blood = matte(palette::Blood, 4.0f, pool.grain, pool.grainSeed);
    blood.shine = 0.5f;
    blood.shadow = 0.0f;
    layPart(image, at, blood, [&](Sculpt& s) {
        Rng rng(pool.dropSeed);
        s.ellipse(pool.centre.x, pool.centre.y, pool.halfWidth, pool.halfHeight, pool.turn);
        for (int i = 0; i < pool.drops; ++i) {
            float a = rng.range(0, 6.28f), r = rng.range(pool.nearest, pool.farthest);
            s.circle(pool.centre.x + std::cos(a) * r, pool.centre.y + std::sin(a) * r * 0.8f,
                     rng.range(pool.smallest, pool.largest));
        }
    });
}
