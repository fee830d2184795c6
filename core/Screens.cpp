#include "core/Screens.h"

Screens::Screens() : state(Intro) {}

Screens::~Screens()
{
    BITMAP* pictures[] = {hudStrip, deathBanner, introPicture, victoryPicture, headIcon, daggerIcon, graveIcon};
    for (BITMAP* picture : pictures)
        if (picture)
            destroy_bitmap(picture);
}

void Screens::loadPictures(RGB*) {}
void Screens::drawHud(int, int, int, int, int, View&) {}
void Screens::drawPanel(View&) {}
