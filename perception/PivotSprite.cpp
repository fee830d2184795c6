#include "perception/PivotSprite.h"

namespace {
constexpr fixed FixedOne = 0x10000;
constexpr int FarthestPoint = 32767;  // largest int that still fits 16.16 fixed point

int keepInFixedRange(int value)
{
    return value < -FarthestPoint ? -FarthestPoint : (value > FarthestPoint ? FarthestPoint : value);
}
}

void pivotSprite(BITMAP* target, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle, bool verticalFlip)
{
    target->vtable->pivot_scaled_sprite_flip(target, sprite, keepInFixedRange(x) * FixedOne,
                                             keepInFixedRange(y) * FixedOne, cx * FixedOne, cy * FixedOne, angle,
                                             FixedOne, verticalFlip ? TRUE : FALSE);
}
