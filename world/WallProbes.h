#pragma once

// Probes that keep a body out of rock: eight points around its centre, in the
// order N, E, S, W, NE, NW, SE, SW. A probe in rock pushes the body the
// opposite way by the probe's reach.
constexpr int WallProbeCount = 8;
constexpr double WallProbeDx[WallProbeCount] = {0, +1, 0, -1, +1, -1, +1, -1};
constexpr double WallProbeDy[WallProbeCount] = {-1, 0, +1, 0, -1, -1, +1, +1};
// All eight probes are tested, then the four straight ones again.
constexpr int WallTests = 12;
