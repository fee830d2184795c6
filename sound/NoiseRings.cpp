// Positional playing and the noise rings of the SoundBoard.
#include <allegro.h>

#include "perception/View.h"
#include "sound/SoundBoard.h"
#include "world/FastSprite.h"

namespace {
constexpr int MaxLevel = 255;               // attenuation at the edge of a sound's range
constexpr double FarSoundDistance = 195.0;  // heard from farther: the ring starts at the window's edge
constexpr double FarRingStartRadius = 175.0;
constexpr double RingGrowth = 20.0;
constexpr int MinDrawnLevel = 3;
constexpr int CornerCut = 105;  // the cut corners make the square window an octagon
constexpr int CentrePan = 128;
constexpr int NormalPitch = 1000;

int clampVolume(int volume)
{
    if (volume < 0)
        return 0;
    return volume > MaxLevel ? MaxLevel : volume;
}
}

void SoundBoard::playAt(const Vector& pos, double range, int sample)
{
    if (sample < 0 || sample >= SampleCount)
        return;
    listener->x = view->centreWorldX();
    listener->y = view->centreWorldY();
    double d = pos.distance(*listener);
    if (!(d <= range) || !(range > 0.0))
        return;
    int level = static_cast<int>(MaxLevel * d / range);
    // The first free ring (level 0), or the first one holding a nearer
    // sound, is taken.
    int k = 0;
    while (k < RingCount && !(ringLevel[k] < level))
        ++k;
    if (k == RingCount)
        return;
    ringLevel[k] = level;
    ringRange[k] = range;
    ringRadius[k] = d < FarSoundDistance ? 0.0 : FarRingStartRadius;
    ringCenter[k]->copyFrom(pos);

    ++playedCount[sample];
    lastVolume = clampVolume(MaxLevel - level);
    // A sample that failed to load is skipped in silence; its ring still shows.
    if (samples[sample])
        play_sample(samples[sample], lastVolume, CentrePan, NormalPitch, 0);
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
    if (!overlay || !view->buffer)
        return;
    // Without a ring to show the window would stay all mask colour and draw nothing.
    bool anyShown = false;
    for (int k = 0; k < RingCount; ++k)
        anyShown = anyShown || ringLevel[k] > MinDrawnLevel;
    if (!anyShown)
        return;
    int ox = static_cast<int>(view->centreWorldX() - overlay->w / 2);
    int oy = static_cast<int>(view->centreWorldY() - overlay->h / 2);
    const int mask = maskColour();
    clear_to_color(overlay.get(), mask);
    int ringColour = makecol(240, 200, 200);
    for (int k = 0; k < RingCount; ++k) {
        if (ringLevel[k] > MinDrawnLevel)
            circle(overlay.get(), static_cast<int>(ringCenter[k]->x - ox), static_cast<int>(ringCenter[k]->y - oy),
                   static_cast<int>(ringRadius[k]), ringColour);
    }
    const int s = OverlaySize;
    const int c = CornerCut;
    triangle(overlay.get(), 0, 0, c, 0, 0, c, mask);
    triangle(overlay.get(), s, s, s - c, s, s, s - c, mask);
    triangle(overlay.get(), 0, s, c, s, 0, s - c, mask);
    triangle(overlay.get(), s, 0, s - c, 0, s, c, mask);
    drawSpriteFast(view->buffer, overlay.get(), View::centreX() - overlay->w / 2, View::centreY() - overlay->h / 2);
}
