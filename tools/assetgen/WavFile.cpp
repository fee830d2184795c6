#include "WavFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

bool writeWav(const std::string& path, const synth::Samples& s)
{
    // Rounded here rather than by the library, so that every sample keeps
    // the value it has always had.
    std::vector<int16_t> pcm;
    pcm.reserve(s.size());
    for (float v : s)
        pcm.push_back(static_cast<int16_t>(std::lround(std::max(-1.0f, std::min(1.0f, v)) * 32767.0f)));

    SF_INFO info{};
    info.samplerate = synth::Rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    sf_count_t written = sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    return sf_close(file) == 0 && written == static_cast<sf_count_t>(pcm.size());
}
