#pragma once

#include <allegro.h>

#include "core/OwnedBitmap.h"

// The six kinds of floor litter: their pictures and how far a footstep on
// each is heard. Kind 0 is silent.
class Debris {
public:
    static constexpr int KindCount = 6;

    OwnedBitmap debrisSprites[KindCount];
    double noiseRange[KindCount];

    Debris();

    void loadPictures(RGB* palette);
};
