// The generated files hold what the game asks of them: every listed picture
// loads, sprites see through at their corners and fit where they are drawn,
// turning pictures are painted about the pivot the list gives them, terrain
// repeats every 64 pixels and stays near its tile, older prints are fainter,
// and the samples end in silence and share one audible loudness.
#include <gtest/gtest.h>

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/DataFiles.h"
#include "world/FastSprite.h"

namespace {

struct Picture {
    int w, h;
    std::vector<int> colour;  // -1 where see-through

    explicit Picture(DataFile file)
    {
        BITMAP* b = loadPicture(file, nullptr);
        w = b ? b->w : 0;
        h = b ? b->h : 0;
        for (int i = 0; i < w * h; ++i)
            colour.push_back(getpixel(b, i % w, i / w) == maskColour() ? -1 : getpixel(b, i % w, i / w));
        destroy_bitmap(b);
    }
    int at(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h ? colour[y * w + x] : -1; }
    int count() const { return int(std::count_if(colour.begin(), colour.end(), [](int c) { return c >= 0; })); }
};

// The level of samples [from, to) of a 16-bit sample, as a share of full scale.
double level(const SAMPLE* s, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += std::pow((static_cast<const uint16_t*>(s->data)[i] - 0x8000) / 32768.0, 2);
    return std::sqrt(sum / double(to - from));
}

}

TEST(Assets, EveryListedPictureLoadsSeesThroughAtItsCornersAndCoversThePointItTurnsAbout)
{
    for (const DataFileEntry& file : dataFiles) {
        if (file.kind != DataKind::Picture)
            continue;
        const Picture p(file.id);
        ASSERT_TRUE(p.w) << file.path;
        // Drawn whole (the ground and the panels), or see-through at every corner.
        EXPECT_TRUE(p.count() == p.w * p.h
                    || std::max({p.at(0, 0), p.at(p.w - 1, 0), p.at(0, p.h - 1), p.at(p.w - 1, p.h - 1)}) < 0) << file.path;
        // The faint prints are stippled: their pivot may fall on a hole.
        const bool stippled = file.id == DataFile::Footprint1 || file.id == DataFile::Footprint2;
        EXPECT_TRUE(file.pivot.x < 0 || stippled || p.at(file.pivot.x, file.pivot.y) >= 0) << file.path;
    }
}

TEST(Assets, SpritesFitWhereTheyAreDrawnPrintsFadeAndTheGroundRepeatsAndStaysNearItsTile)
{
    const std::pair<DataFile, int> largest[] = {{DataFile::Dagger, 32}, {DataFile::Head, 32}, {DataFile::Grave, 32},
        {DataFile::Bag, 64}, {DataFile::Debris0, 64}, {DataFile::WaterFade, 128}, {DataFile::Fog, 128}};
    for (auto [file, side] : largest)
        EXPECT_TRUE(Picture(file).w <= side && Picture(file).h <= side) << dataPath(file);
    EXPECT_GT(Picture(DataFile::Footprint0).count(), Picture(DataFile::Footprint1).count() * 5 / 4);
    EXPECT_GT(Picture(DataFile::Footprint1).count(), Picture(DataFile::Footprint2).count() * 5 / 4);
    // The ground repeats every 64 pixels.
    const Picture dirt(DataFile::Dirt);
    int wrong = 0;
    for (int i = 0; i < 64 * 64; ++i)
        wrong += dirt.at(i % 64, i / 64) < 0 || dirt.at(i % 64, i / 64) != dirt.at(i % 64 + 64, i / 64 + 64);
    EXPECT_EQ(wrong, 0);
    // Drawn 32 px out from their tile: they cover it, and a neighbour shows beyond their soft edge.
    for (DataFile file : {DataFile::Water, DataFile::Rock}) {
        const Picture p(file);
        int outside = 0;
        for (int i = 0; i < p.w * p.h; ++i)
            outside += p.colour[i] >= 0 && (std::min(i % p.w, i / p.w) < 16 || std::max(i % p.w, i / p.w) >= 112);
        EXPECT_TRUE(p.at(64, 64) >= 0 && outside == 0) << dataPath(file);
    }
}

TEST(Assets, SamplesEndInSilenceAndShareOneAudibleLoudness)
{
    const size_t window = 22050 / 50, tail = 22050 * 5 / 1000;  // 20 ms; 5 ms
    double shared = 0.0;  // the loudest 20 ms of the first sample
    for (const DataFileEntry& file : dataFiles) {
        if (file.kind != DataKind::Sample)
            continue;
        char path[64];
        SAMPLE* s = load_wav(portablePath(file.path, path, sizeof path));
        ASSERT_TRUE(s && s->bits == 16 && !s->stereo && s->len > window) << file.path;
        EXPECT_LT(level(s, s->len - tail, s->len), 0.001) << file.path << " clicks as it ends";  // -60 dBFS
        double loudest = 0.0;
        for (size_t at = 0; at + window <= s->len; at += window / 2)
            loudest = std::max(loudest, level(s, at, at + window));
        shared = shared ? shared : loudest;
        EXPECT_NEAR(loudest, shared, shared / 10) << file.path << " stands out from the others";
        EXPECT_GT(loudest, 0.1) << file.path << " peaks below -20 dBFS, too quiet to hear in play";
        destroy_sample(s);
    }
}
