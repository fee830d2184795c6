#pragma once

#include <memory>

class TileMap;
class Vector;

// Probes that keep a body out of rock: eight points around its centre, in the
// order N, E, S, W, NE, NW, SE, SW. A probe in rock pushes the body the
// opposite way by the probe's reach.
constexpr int WallProbeCount = 8;
constexpr double WallProbeDx[WallProbeCount] = {0, +1, 0, -1, +1, -1, +1, -1};
constexpr double WallProbeDy[WallProbeCount] = {-1, 0, +1, 0, -1, -1, +1, +1};
// All eight probes are tested, then the four straight ones again.
constexpr int WallTests = 12;

// Sets the probes around the body at the given reach.
void placeWallProbes(const Vector& body, double reach, std::unique_ptr<Vector>* probes);

// Moves the body out of rock, probe by probe in test order, placing the
// probes again after every push; they end around where the body ends.
void pushOutOfRock(TileMap& map, Vector& body, double reach, std::unique_ptr<Vector>* probes);
