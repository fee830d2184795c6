#pragma once

#include <allegro.h>

#include <memory>

#include "core/DataFiles.h"
#include "core/OwnedBitmap.h"
#include "world/Vector.h"

class View;

// The sixteen slots of the sample table, in order. A footstep on debris plays
// the slot of the debris kind, FirstDebrisStep + kind; kind 0 makes no sound.
// No rule plays the spare slots.
enum SampleIndex : int {
    DebrisStep0,
    DebrisStep1,
    DebrisStep2,
    DebrisStep3,
    DebrisStep4,
    DebrisStep5,
    WaterStep,
    DaggerHitsOrk,
    Spare8,
    Spare9,
    DaggerHitsRock,
    Spare11,
    Spare12,
    Spare13,
    StrikeLands,
    StrikeMisses,
    FirstDebrisStep = DebrisStep0,
};

// The one sound object: sixteen samples played at world points, heard at
// the screen centre, each opening a noise ring that shows where it came from.
class SoundBoard {
public:
    static constexpr int RingCount = 20;
    static constexpr int SampleCount = 16;
    static constexpr int OverlaySize = 350;

    OwnedBitmap overlay;  // the octagonal window the rings are drawn in
    std::unique_ptr<Vector> ringCenter[RingCount];
    double ringRange[RingCount];
    double ringRadius[RingCount];
    int ringLevel[RingCount];  // 0 marks a free ring
    View* view = nullptr;
    std::unique_ptr<Vector> listener;
    SAMPLE* samples[SampleCount] = {};
    // How many sounds of each index got past the range and ring checks.
    int playedCount[SampleCount] = {};
    // Volume of the last sound that got that far, as handed to play_sample.
    int lastVolume = -1;

    SoundBoard();
    ~SoundBoard();

    void playAt(const Vector& pos, double range, int sample);
    void updateRings();
    void drawRings();
};
