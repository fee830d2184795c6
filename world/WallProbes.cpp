#include "world/WallProbes.h"

#include "world/TileMap.h"
#include "world/Vector.h"

void placeWallProbes(const Vector& body, double reach, std::unique_ptr<Vector>* probes)
{
    for (int n = 0; n < WallProbeCount; ++n) {
        probes[n]->x = body.x + WallProbeDx[n] * reach;
        probes[n]->y = body.y + WallProbeDy[n] * reach;
    }
}

void pushOutOfRock(TileMap& map, Vector& body, double reach, std::unique_ptr<Vector>* probes)
{
    placeWallProbes(body, reach, probes);
    for (int test = 0; test < WallTests; ++test) {
        const int n = test % WallProbeCount;
        if (map.tileAt(*probes[n]).kind == Rock) {
            body.add(-WallProbeDx[n] * reach, -WallProbeDy[n] * reach);
            placeWallProbes(body, reach, probes);
        }
    }
}
