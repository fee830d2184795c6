#pragma once

#include <allegro.h>

#include <memory>

#include "core/DataFiles.h"
#include "world/Vector.h"

class View;

// The sample table's indices that the rules play. A footstep on debris plays
// the index of the debris kind, FirstDebrisStep + kind.
enum SampleIndex : int {
    FirstDebrisStep = 0,
    WaterStep = 6,
    DaggerHitsOrk = 7,
    DaggerHitsRock = 10,
    StrikeLands = 14,
    StrikeMisses = 15,
};

// The one sound object: sixteen samples played at world points, heard at
// the screen centre, each opening a noise ring that shows where it came from.
class SoundBoard {
public:
    static constexpr int RingCount = 20;
    static constexpr int SampleCount = 16;
    static constexpr int OverlaySize = 350;
    // File of each sample index, written as the sample table names them.
    static const char* const sampleFiles[SampleCount];

    BITMAP* overlay = nullptr;  // the octagonal window the rings are drawn in
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
