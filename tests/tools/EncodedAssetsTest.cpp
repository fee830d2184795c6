// The encoders' output, decoded by other code than wrote it: samples through
// Allegro's own loader, the icon's pixels through libpng. The fingerprints
// were taken from the files our hand-made encoders wrote, so they hold the
// audio and the pixels to what they were; only a faded end may differ.
#include "support/Headless.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

uint64_t fingerprint(const void* data, size_t n)
{
    uint64_t h = 14695981039346656037ull;
    for (size_t i = 0; i < n; ++i)
        h = (h ^ static_cast<const uint8_t*>(data)[i]) * 1099511628211ull;
    return h;
}

// The level of samples [from, to) of a 16-bit sample, as a share of full scale.
double level(const SAMPLE* s, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += std::pow((static_cast<const uint16_t*>(s->data)[i] - 0x8000) / 32768.0, 2);
    return std::sqrt(sum / double(to - from));
}

const double Silence = std::pow(10.0, -60.0 / 20.0);
constexpr size_t Window = 22050 / 50;  // 20 ms
constexpr size_t Tail = 22050 * 5 / 1000;

}

TEST(EncodedAssets, SamplesKeepTheirAudioShareOneLoudnessAndStartAndEndInSilence)
{
    // Which samples were fingerprinted: all but the fades' reach.
    struct Unchanged {
        const char* name;
        size_t length, skipHead, skipTail;
        uint64_t print;
    };
    const Unchanged sounds[] = {
        {"bone", 6615, 0, 0, 0x49698beb6744e94cull},      {"glass", 16537, 0, 0, 0x3f51b0f2e5d10426ull},
        {"ducky", 7497, 0, 1000, 0xa9d531082c3600ceull},  {"splash", 11025, 100, 1000, 0x812b4b007e709c73ull},
        {"warg", 16537, 0, 1000, 0x2e83ebee4f4a5e8eull},  {"splat", 7717, 0, 1000, 0x3231e5e7637bc163ull}};
    double shared = 0.0;  // the loudest 20 ms of the first sample
    for (const Unchanged& u : sounds) {
        SAMPLE* s = load_wav(("sounds/" + std::string(u.name) + ".wav").c_str());
        ASSERT_TRUE(s && s->bits == 16 && !s->stereo && s->len == u.length) << u.name;
        // Allegro keeps the samples offset by 0x8000; the prints were of signed ones.
        std::vector<int16_t> body(static_cast<const uint16_t*>(s->data) + u.skipHead,
                                  static_cast<const uint16_t*>(s->data) + s->len - u.skipTail);
        for (int16_t& v : body)
            v ^= int16_t(0x8000);
        EXPECT_EQ(fingerprint(body.data(), body.size() * 2), u.print) << u.name;
        EXPECT_LT(level(s, 0, 1), Silence) << u.name << " clicks as it starts";
        EXPECT_LT(level(s, s->len - Tail, s->len), Silence) << u.name << " clicks as it ends";
        double loudest = 0.0;
        for (size_t at = 0; at + Window <= s->len; at += Window / 2)
            loudest = std::max(loudest, level(s, at, at + Window));
        shared = shared ? shared : loudest;
        EXPECT_NEAR(loudest, shared, shared / 10) << u.name << " stands out from the others";
        destroy_sample(s);
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
