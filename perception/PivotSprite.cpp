#include "perception/PivotSprite.h"

namespace {
constexpr fixed FixedOne = 0x10000;
constexpr double AllegroTurn = 256.0;
constexpr double DegreesPerTurn = 360.0;
constexpr int FarthestPoint = 32767;  // largest int that still fits 16.16 fixed point

int keepInFixedRange(int value)
{
    return value < -FarthestPoint ? -FarthestPoint : (value > FarthestPoint ? FarthestPoint : value);
}
}

double allegroTurns(double heading)
{
    return -heading * AllegroTurn / DegreesPerTurn;
}

fixed allegroAngle(double heading)
{
    return ftofix(allegroTurns(heading));
}

void pivotSprite(BITMAP* target, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle, bool verticalFlip)
{
    target->vtable->pivot_scaled_sprite_flip(target, sprite, keepInFixedRange(x) * FixedOne,
                                             keepInFixedRange(y) * FixedOne, cx * FixedOne, cy * FixedOne, angle,
                                             FixedOne, verticalFlip ? TRUE : FALSE);
}
