#include "sound/SoundBoard.h"

const char* const SoundBoard::sampleFiles[SoundBoard::SampleCount] = {
    dataPath(DataFile::Bone),  dataPath(DataFile::Bone),  dataPath(DataFile::Bone),   dataPath(DataFile::Glass),
    dataPath(DataFile::Glass), dataPath(DataFile::Ducky), dataPath(DataFile::Splash), dataPath(DataFile::Warg),
    dataPath(DataFile::Splat), dataPath(DataFile::Splat), dataPath(DataFile::Splat),  dataPath(DataFile::Splat),
    dataPath(DataFile::Splat), dataPath(DataFile::Splat), dataPath(DataFile::Splat),  dataPath(DataFile::Glass),
};

namespace {
constexpr double RingStartRange = 10.0;
}

SoundBoard::SoundBoard()
{
    listener.reset(new Vector());
    overlay = create_bitmap(OverlaySize, OverlaySize);
    for (int k = 0; k < RingCount; ++k) {
        ringCenter[k].reset(new Vector());
        ringRange[k] = RingStartRange;
        ringRadius[k] = RingStartRange;
        ringLevel[k] = 0;
    }
    for (int i = 0; i < SampleCount; ++i) {
        char path[64];
        samples[i] = load_wav(portablePath(sampleFiles[i], path, sizeof path));
    }
}

SoundBoard::~SoundBoard()
{
    for (SAMPLE* sample : samples)
        if (sample)
            destroy_sample(sample);
    if (overlay)
        destroy_bitmap(overlay);
}
