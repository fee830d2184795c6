#pragma once

#include <allegro.h>

#include <cstdint>

#include "core/OwnedBitmap.h"

class View;

enum ScreenState : int32_t { Playing = 0, Intro = 1, Victory = 2 };

// Screen state and everything drawn that is not the world: the HUD strip,
// the death banner, and the intro and victory panels.
class Screens {
public:
    static constexpr int StripHeight = 32;  // the HUD strip's and the death banner's, at the top

    int32_t state;
    OwnedBitmap hudStrip;
    OwnedBitmap deathBanner;
    OwnedBitmap introPicture;
    OwnedBitmap victoryPicture;
    OwnedBitmap headIcon;
    OwnedBitmap daggerIcon;
    OwnedBitmap graveIcon;

    Screens();

    void loadPictures(RGB* palette);
    void drawHud(int livingOrks, int orkCount, int daggersInHand, int daggerCount, int deaths, View& view);
    void drawPanel(View& view);
};
