#pragma once

#include <allegro.h>

// The six kinds of floor litter: their pictures and how far a footstep on
// each is heard. Kind 0 is silent.
class Debris {
public:
    static constexpr int KindCount = 6;

    BITMAP* debrisSprites[KindCount] = {};
    double noiseRange[KindCount];

    Debris();
    ~Debris();

    void loadPictures(RGB* palette);
};
