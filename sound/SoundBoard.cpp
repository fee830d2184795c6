#include "sound/SoundBoard.h"

namespace {
constexpr double RingStartRange = 10.0;

struct SampleSlot {
    SampleIndex index;
    DataFile file;
};

// What each slot plays. Slots that share a file still load a copy each.
constexpr SampleSlot SampleTable[] = {
    {DebrisStep0,     DataFile::Bone},
    {DebrisStep1,     DataFile::Bone},
    {DebrisStep2,     DataFile::Bone},
    {DebrisStep3,     DataFile::Glass},
    {DebrisStep4,     DataFile::Glass},
    {DebrisStep5,     DataFile::Ducky},
    {WaterStep,       DataFile::Splash},
    {DaggerHitsOrk,   DataFile::Warg},
    {Spare8,          DataFile::Splat},
    {Spare9,          DataFile::Splat},
    {DaggerHitsRock,  DataFile::Splat},
    {Spare11,         DataFile::Splat},
    {Spare12,         DataFile::Splat},
    {Spare13,         DataFile::Splat},
    {StrikeLands,     DataFile::Splat},
    {StrikeMisses,    DataFile::Glass},
};

constexpr bool everySlotOnceInOrder()
{
    int slot = 0;
    for (const SampleSlot& entry : SampleTable)
        if (entry.index != slot++)
            return false;
    return slot == SoundBoard::SampleCount;
}
static_assert(everySlotOnceInOrder(), "the sample table lists each slot once, in order");
}

SoundBoard::SoundBoard()
{
    listener.reset(new Vector());
    overlay.reset(create_bitmap(OverlaySize, OverlaySize));
    for (int k = 0; k < RingCount; ++k) {
        ringCenter[k].reset(new Vector());
        ringRange[k] = RingStartRange;
        ringRadius[k] = RingStartRange;
        ringLevel[k] = 0;
    }
    for (const SampleSlot& entry : SampleTable) {
        char path[64];
        samples[entry.index] = load_wav(portablePath(dataPath(entry.file), path, sizeof path));
    }
}

SoundBoard::~SoundBoard()
{
    for (SAMPLE* sample : samples)
        if (sample)
            destroy_sample(sample);
}
