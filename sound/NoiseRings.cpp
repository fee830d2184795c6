// Positional playing and the noise rings of the SoundBoard.
#include <allegro.h>

#include "perception/View.h"
#include "sound/SoundBoard.h"

namespace {
constexpr double FarSoundDistance = 195.0;  // heard from farther: the ring starts at the window's edge
constexpr double FarRingStartRadius = 175.0;
constexpr double RingGrowth = 20.0;
constexpr int MinDrawnLevel = 3;
constexpr int CornerCut = 105;
constexpr int FullVolume = 255;
constexpr int CentrePan = 128;
constexpr int NormalPitch = 1000;
}

void SoundBoard::playAt(const Vector& pos, double range, int sample)
{
    listener->x = SCREEN_W / 2 + view->origin->x;
    listener->y = SCREEN_H / 2 + view->origin->y;
    double d = pos.distance(*listener);
    if (!(d <= range))
        return;
    int level = static_cast<int>(255 * d / range);
    int k = 0;
    while (k < RingCount && !(ringLevel[k] < level))
        ++k;
    if (k == RingCount)
        return;
    ringLevel[k] = level;
    ringRange[k] = range;
    ringRadius[k] = d < FarSoundDistance ? 0.0 : FarRingStartRadius;
    ringCenter[k]->copyFrom(pos);

    int volume = FullVolume - level;
    if (volume < 0)
        volume = 0;
    if (volume > FullVolume)
        volume = FullVolume;
    if (sample < 0 || sample >= SampleCount)
        return;
    ++playedCount[sample];
    if (samples[sample])
        play_sample(samples[sample], volume, CentrePan, NormalPitch, 0);
}

void SoundBoard::updateRings()
{
    for (int k = 0; k < RingCount; ++k) {
        if (ringRadius[k] <= ringRange[k])
            ringRadius[k] += RingGrowth;
        else
            ringLevel[k] = 0;
    }
}

void SoundBoard::drawRings()
{
    int ox = static_cast<int>(SCREEN_W / 2 + view->origin->x - overlay->w / 2);
    int oy = static_cast<int>(SCREEN_H / 2 + view->origin->y - overlay->h / 2);
    int mask = makecol(255, 0, 255);
    clear_to_color(overlay, mask);
    int ringColour = makecol(240, 200, 200);
    for (int k = 0; k < RingCount; ++k) {
        if (ringLevel[k] > MinDrawnLevel)
            circle(overlay, static_cast<int>(ringCenter[k]->x - ox), static_cast<int>(ringCenter[k]->y - oy),
                   static_cast<int>(ringRadius[k]), ringColour);
    }
    const int s = OverlaySize;
    const int c = CornerCut;
    triangle(overlay, 0, 0, c, 0, 0, c, mask);
    triangle(overlay, s, s, s - c, s, s, s - c, mask);
    triangle(overlay, 0, s, c, s, 0, s - c, mask);
    triangle(overlay, s, 0, s - c, 0, s, c, mask);
    draw_sprite(view->buffer, overlay, SCREEN_W / 2 - overlay->w / 2, SCREEN_H / 2 - overlay->h / 2);
}
