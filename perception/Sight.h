#pragma once

#include <memory>

#include "world/Vector.h"

class TileMap;

// View cones, line of sight through rock, and the fog reveal around a viewer.
// Facing follows angleFrom: the viewer as seen from the point it aims at.
class Sight {
public:
    std::unique_ptr<Vector> offsetVector;  // scratch of inCone
    std::unique_ptr<Vector> originVector;  // scratch of inCone
    std::unique_ptr<Vector> samplePoint;   // scratch of reveal
    std::unique_ptr<Vector> leftRayPoint;  // scratch of isBlocked
    std::unique_ptr<Vector> rightRayPoint;
    TileMap* tileMap = nullptr;

    Sight();

    // Within range (edge included) and strictly inside the half-angle.
    bool inCone(const Vector& apex, const Vector& point, double facing, double range, double halfAngle);
    // Always blocked beyond the farthest sight, never at close range; between,
    // blocked only where two parallel rays both meet rock.
    bool isBlocked(const Vector& from, const Vector& to);
    // Marks the tiles the viewer sees as InSight.
    void reveal(const Vector& pos, double facing, double range, double halfAngle);
};
