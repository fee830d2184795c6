// The encoders' output, decoded by other code than wrote it: samples through
// Allegro's own loader, the icon's pixels through libpng. The fingerprints
// were taken from the files our hand-made encoders wrote, so they hold the
// audio and the pixels to what they were; only a faded end may differ.
#include "support/Headless.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

uint64_t fingerprint(const uint8_t* bytes, size_t n)
{
    uint64_t h = 14695981039346656037ull;
    for (size_t i = 0; i < n; ++i)
        h = (h ^ bytes[i]) * 1099511628211ull;
    return h;
}

// Signed samples of a 16-bit mono WAV (Allegro keeps them offset by 0x8000).
std::vector<int> loadSamples(const std::string& name)
{
    SAMPLE* s = load_wav(("sounds/" + name + ".wav").c_str());
    if (!s || s->bits != 16 || s->stereo)
        return {};
    const uint16_t* data = static_cast<const uint16_t*>(s->data);
    std::vector<int> out(data, data + s->len);
    for (int& v : out)
        v -= 0x8000;
    destroy_sample(s);
    return out;
}

constexpr int FullScale = 32768;
const double Silence = FullScale * std::pow(10.0, -60.0 / 20.0);
constexpr int SampleRate = 22050;
constexpr size_t Tail = SampleRate * 5 / 1000;

double rms(const std::vector<int>& s, size_t from)
{
    double sum = 0.0;
    for (size_t i = from; i < s.size(); ++i)
        sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(s.size() - from));
}

// Which samples were fingerprinted: all but the fades' reach.
struct Unchanged {
    const char* name;
    size_t length, skipHead, skipTail;
    uint64_t print;
};
const Unchanged Sounds[] = {
    {"bone", 6615, 0, 0, 0x49698beb6744e94cull},        {"glass", 16537, 0, 0, 0x3f51b0f2e5d10426ull},
    {"ducky", 7497, 0, 1000, 0xa9d531082c3600ceull},    {"splash", 11025, 100, 1000, 0x812b4b007e709c73ull},
    {"warg", 16537, 0, 1000, 0x2e83ebee4f4a5e8eull},    {"splat", 7717, 0, 1000, 0x3231e5e7637bc163ull}};

}

TEST(EncodedAssets, SamplesKeepTheirAudioAndStartAndEndInSilence)
{
    for (const Unchanged& u : Sounds) {
        std::vector<int> s = loadSamples(u.name);
        ASSERT_EQ(s.size(), u.length) << u.name;
        std::vector<int16_t> body(s.begin() + u.skipHead, s.end() - u.skipTail);
        EXPECT_EQ(fingerprint(reinterpret_cast<const uint8_t*>(body.data()), body.size() * 2), u.print) << u.name;
        EXPECT_LT(std::abs(s.front()), Silence) << u.name << " clicks as it starts";
        EXPECT_LT(rms(s, s.size() - Tail), Silence) << u.name << " clicks as it ends";
    }
}

TEST(EncodedAssets, IconKeepsItsPixels)
{
    const std::pair<int, uint64_t> icons[] = {
        {48, 0x2e50652198eb6fa3ull}, {64, 0x48892ae36cda9eabull}, {256, 0x553248e46f0e0e05ull}};
    for (auto [size, print] : icons) {
        // The icons are built beside the game directory, not in it.
        std::string path = "../icons/orkcave-" + std::to_string(size) + ".png";
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << path;
        image.format = PNG_FORMAT_RGBA;
        std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
        ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) << path;
        EXPECT_EQ(int(image.width), size);
        EXPECT_EQ(fingerprint(rgba.data(), rgba.size()), print) << path;
    }
}
