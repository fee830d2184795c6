#include "perception/Sight.h"

#include "world/TileMap.h"

namespace {
constexpr double MaxSightDistance = 600.0;
constexpr double ClearNearDistance = 100.0;
constexpr double RayStep = 4.0;
constexpr double RayHalfGap = 3.0;  // two parallel rays, so a grazed corner does not block
constexpr int RevealReach = 10;     // columns from -reach to reach, rows from -reach to one short of it
constexpr double SampleSpacing = TileMap::TileSize;
constexpr double SampleOffset = TileMap::TileSize / 2.0;  // half a tile off the viewer, so each lands inside a tile
constexpr double AlwaysSeenDistance = 64.0;
}

Sight::Sight()
    : offsetVector(new Vector()),
      originVector(new Vector()),
      samplePoint(new Vector()),
      leftRayPoint(new Vector()),
      rightRayPoint(new Vector())
{
}

bool Sight::inCone(const Vector& apex, const Vector& point, double facing, double range, double halfAngle)
{
    double d = apex.distance(point);
    if (!(d <= range))
        return false;
    offsetVector->x = point.x - apex.x;
    offsetVector->y = point.y - apex.y;
    originVector->x = 0.0;
    originVector->y = 0.0;
    offsetVector->rotate(-facing);
    double a = originVector->angleFrom(*offsetVector);
    return a < halfAngle && -halfAngle < a;
}

bool Sight::isBlocked(const Vector& from, const Vector& to)
{
    double d = from.distance(to);
    double a = to.angleFrom(from);
    if (!(d <= MaxSightDistance))
        return true;
    if (d < ClearNearDistance)
        return false;
    for (double t = ClearNearDistance; t < d; t += RayStep) {
        leftRayPoint->placeAlong(from, a, t, RayHalfGap);
        rightRayPoint->placeAlong(from, a, t, -RayHalfGap);
        if (tileMap->tileAt(*leftRayPoint).kind == Rock && tileMap->tileAt(*rightRayPoint).kind == Rock)
            return true;
    }
    return false;
}

void Sight::reveal(const Vector& pos, double facing, double range, double halfAngle)
{
    for (int i = -RevealReach; i <= RevealReach; ++i) {
        for (int j = -RevealReach; j < RevealReach; ++j) {
            samplePoint->x = i * SampleSpacing + pos.x + SampleOffset;
            samplePoint->y = j * SampleSpacing + pos.y + SampleOffset;
            bool seen = inCone(pos, *samplePoint, facing, range, halfAngle) && !isBlocked(pos, *samplePoint);
            bool close = pos.distance(*samplePoint) < AlwaysSeenDistance;
            if (seen || close) {
                Tile& tile = tileMap->tileAt(*samplePoint);
                if (tile.visibility != Unreachable)
                    tile.visibility = InSight;
            }
        }
    }
}
