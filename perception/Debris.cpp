#include "perception/Debris.h"

#include "core/DataFiles.h"

namespace {
constexpr double NoiseRanges[Debris::KindCount] = {400.0, 500.0, 600.0, 700.0, 600.0, 700.0};
}

Debris::Debris()
{
    for (int kind = 0; kind < KindCount; ++kind)
        noiseRange[kind] = NoiseRanges[kind];
}

void Debris::loadPictures(RGB* palette)
{
    for (int kind = 0; kind < KindCount; ++kind)
        debrisSprites[kind].reset(loadPicture(nthDataFile(DataFile::Debris0, kind), palette));
}
