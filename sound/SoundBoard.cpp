#include "sound/SoundBoard.h"

#include <cstring>

const char* const SoundBoard::sampleFiles[SoundBoard::SampleCount] = {
    "sounds\\bone.wav",   "sounds\\bone.wav",   "sounds\\bone.wav",   "sounds\\glass.wav",
    "sounds\\glass.wav",  "sounds\\ducky.wav",  "sounds\\splash.wav", "sounds\\warg.wav",
    "sounds\\splat.wav",  "sounds\\splat.wav",  "sounds\\splat.wav",  "sounds\\splat.wav",
    "sounds\\splat.wav",  "sounds\\splat.wav",  "sounds\\splat.wav",  "sounds\\glass.wav",
};

namespace {
constexpr double RingStartRange = 10.0;
}

const char* portablePath(const char* name, char* buffer, int bufferSize)
{
    std::strncpy(buffer, name, bufferSize - 1);
    buffer[bufferSize - 1] = '\0';
    for (char* c = buffer; *c; ++c)
        if (*c == '\\')
            *c = '/';
    return buffer;
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
