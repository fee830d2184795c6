// The generated pictures hold what the game asks of them: magenta where it
// must see through, sizes that fit where they are drawn, terrain in its own
// colours, dark outlines, one light, and frames that tell their poses apart.
// The samples share one loudness and start and end in silence. The encoders'
// output is decoded by other code than wrote it: samples through Allegro's
// own loader, the icon's pixels through libpng. The fingerprints were taken
// from the files our hand-made encoders wrote, so they hold the audio and the
// pixels to what they were; only a faded end may differ.
#include <gtest/gtest.h>

#include <allegro.h>
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

int red(int c) { return c >> 16 & 255; }
int green(int c) { return c >> 8 & 255; }
int blue(int c) { return c & 255; }
int brightness(int c) { return red(c) + green(c) + blue(c); }

struct Picture {
    int w = 0, h = 0;
    std::vector<int> rgb;  // 0xrrggbb per pixel, -1 where transparent

    explicit Picture(const std::string& name)
    {
        BITMAP* b = load_bitmap(("textures/" + name + ".bmp").c_str(), nullptr);
        for (int y = 0; b && y < b->h; ++y)
            for (int x = 0; x < b->w; ++x) {
                const int c = getpixel(b, x, y);
                rgb.push_back(c == makecol(255, 0, 255) ? -1 : getr(c) << 16 | getg(c) << 8 | getb(c));
            }
        w = b ? b->w : 0;
        h = b ? b->h : 0;
        destroy_bitmap(b);
    }
    int at(int x, int y) const { return x < 0 || y < 0 || x >= w || y >= h ? -1 : rgb[y * w + x]; }
    // Off the picture counts as opaque: a sprite may touch its edge.
    bool clear(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && at(x, y) < 0; }
    int opaque() const { return int(std::count_if(rgb.begin(), rgb.end(), [](int c) { return c >= 0; })); }
    // How many opaque pixels the test holds for.
    template <typename Test>
    int count(Test test) const
    {
        return int(std::count_if(rgb.begin(), rgb.end(), [&](int c) { return c >= 0 && test(c); }));
    }
};

}

TEST(Assets, PicturesFitWhereTheyAreDrawnAreSeeThroughAtTheCornersAndTheGroundRepeatsEvery64)
{
    struct Size {
        const char* name;
        int pivotX, pivotY, largest;  // largest side it may have where it is drawn (0: any)
    };
    for (Size s : {Size{"Ork0", 50, 100, 0}, {"Orkdead", 50, 100, 0}, {"elf0", 50, 110, 0}, {"elfdead", 50, 110, 0},
                   {"footprint0", 17, 13, 34}, {"blood", 17, 13, 34}, {"dagger", 16, 16, 32}, {"bag", 32, 32, 64},
                   {"crosshair", 0, 0, 64}, {"head", 0, 0, 32}, {"grave", 0, 0, 32}, {"debris0", 0, 0, 64},
                   {"water", 64, 64, 128}, {"rock", 64, 64, 128}, {"wfade", 64, 64, 128}, {"rfade", 64, 64, 128},
                   {"fog", 64, 64, 128}}) {
        Picture p(s.name);
        ASSERT_TRUE(p.w) << s.name;
        EXPECT_TRUE(s.pivotX < p.w && s.pivotY < p.h) << s.name;
        EXPECT_TRUE(p.at(0, 0) < 0 && p.at(p.w - 1, 0) < 0 && p.at(0, p.h - 1) < 0 && p.at(p.w - 1, p.h - 1) < 0)
            << s.name;
        EXPECT_TRUE(!s.largest || (p.w <= s.largest && p.h <= s.largest)) << s.name;
        EXPECT_TRUE(s.largest != 128 || p.at(64, 64) >= 0) << s.name << " covers its own tile";
    }
    Picture dirt("dirt");
    ASSERT_TRUE(dirt.w == 128 && dirt.h == 128);
    int wrong = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            wrong += dirt.at(x, y) < 0 || dirt.at(x, y) != dirt.at(x + 64, y + 64);
    EXPECT_EQ(wrong, 0);
}

TEST(Assets, TerrainShowsItsOwnColoursAndWaterAndRockStayNearTheirTile)
{
    Picture dirt("dirt"), water("water"), rock("rock"), fog("fog");
    EXPECT_GT(dirt.count([](int c) { return red(c) > blue(c) + 20; }), dirt.opaque() * 9 / 10) << "dirt is warm";
    EXPECT_GT(water.count([](int c) { return blue(c) > red(c) + 20; }), water.opaque() * 9 / 10) << "water is blue";
    EXPECT_LT(water.count([](int c) { return std::min({red(c), green(c), blue(c)}) > 140; }), water.opaque() / 50)
        << "glints are rare";
    EXPECT_EQ(fog.count([](int c) { return brightness(c) > 3 * 40; }), 0) << "fog is near black";
    // Drawn 32 px out from their tile: a neighbour must show beyond their soft edge.
    for (const Picture* p : {&water, &rock}) {
        int outside = 0;
        for (int y = 0; y < p->h; ++y)
            for (int x = 0; x < p->w; ++x)
                outside += p->at(x, y) >= 0 && (std::min(x, y) < 16 || std::max(x, y) >= 112);
        EXPECT_EQ(outside, 0);
    }
}

TEST(Assets, SpritesAreOutlinedLitFromTheLeftAndTheFramesOfAFamilyDiffer)
{
    const std::vector<std::vector<std::string>> families = {
        {"Ork0", "Ork1", "Ork2", "Orkdead"},
        {"elf0", "elf1", "elf2", "elfbag", "elfdead"},
        {"debris0", "debris1", "debris2", "debris3", "debris4", "debris5"},
        {"bag", "dagger", "head", "grave", "crosshair"}};
    int litLeft = 0, litRight = 0;
    for (const auto& family : families)
        for (size_t i = 0; i < family.size(); ++i) {
            Picture p(family[i]);
            int paleRim = 0, darker = 0, lighter = 0;
            for (int y = 0; y < p.h; ++y)
                for (int x = 0; x < p.w; ++x) {
                    const int c = p.at(x, y), next = p.at(x + 1, y);
                    const bool rim = p.clear(x - 1, y) || p.clear(x + 1, y) || p.clear(x, y - 1) || p.clear(x, y + 1);
                    paleRim += c >= 0 && rim && brightness(c) > 3 * 40;
                    // Inside the outline, a step to the right darkens under a light from the left.
                    if (c >= 0 && !rim && next >= 0 && !p.clear(x + 2, y))
                        (brightness(c) > brightness(next) ? darker : lighter) += 1;
                }
            EXPECT_EQ(paleRim, 0) << family[i] << " lacks its dark outline";
            (darker > lighter ? litLeft : litRight) += 1;
            for (size_t j = 0; j < i; ++j)
                EXPECT_NE(p.rgb, Picture(family[j]).rgb) << family[i] << " and " << family[j] << " are one picture";
        }
    EXPECT_GT(litLeft, 3 * litRight);
}

TEST(Assets, TheCrosshairMarksItsCentreTheDaggerTurnsAboutItsMiddleOldFootprintsFadeAndVictoryIsBloodless)
{
    Picture crosshair("crosshair");
    EXPECT_GE(crosshair.at(crosshair.w / 2, crosshair.h / 2), 0) << "no mark at the aim point";
    Picture dagger("dagger");
    int left = dagger.w, right = 0, top = dagger.h, bottom = 0;
    for (int y = 0; y < dagger.h; ++y)
        for (int x = 0; x < dagger.w; ++x)
            if (dagger.at(x, y) >= 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_NEAR((left + right) / 2.0, 16, 2);
    EXPECT_NEAR((top + bottom) / 2.0, 16, 2);
    const int prints[] = {Picture("footprint0").opaque(), Picture("footprint1").opaque(), Picture("footprint2").opaque()};
    EXPECT_GT(prints[0], prints[1] * 5 / 4);
    EXPECT_GT(prints[1], prints[2] * 5 / 4);
    // The elf carries the bag out alive: no pool of blood red.
    const auto bloodRed = [](int c) { return red(c) > 2 * (green(c) + blue(c)) + 30; };
    EXPECT_GT(Picture("blood").count(bloodRed), Picture("blood").opaque() / 2);
    EXPECT_LT(Picture("victory").count(bloodRed), 20);
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
        EXPECT_GT(loudest, 0.1) << u.name << " peaks below -20 dBFS, too quiet to hear in play";
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
