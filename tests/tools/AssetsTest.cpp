// The generated pictures and samples: every file the game loads is there and
// loads (each picture is named by one of the tests below), transparency sits
// where the game relies on it, and sizes and pivots fit where it is drawn.
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Picture = std::unique_ptr<BITMAP, BitmapDeleter>;

Picture load(const std::string& name)
{
    PALETTE palette;
    return Picture(load_bitmap(("textures//" + name + ".bmp").c_str(), palette));
}

int maskColour() { return makecol(255, 0, 255); }
bool masked(BITMAP* b, int x, int y) { return getpixel(b, x, y) == maskColour(); }

int maskedCount(BITMAP* b, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            n += masked(b, x, y) ? 1 : 0;
    return n;
}

bool cornersMasked(BITMAP* b)
{
    return masked(b, 0, 0) && masked(b, b->w - 1, 0) && masked(b, 0, b->h - 1) && masked(b, b->w - 1, b->h - 1);
}

// Every masked picture with the size it must fit in (0: any) and a point
// that must lie inside it: the drawing pivot, or the centre.
struct Masked {
    const char* name;
    int maxWidth, maxHeight;
    int x, y;
};

const Masked MaskedPictures[] = {
    {"Ork0", 0, 0, 50, 100},       {"Ork1", 0, 0, 50, 100},       {"Ork2", 0, 0, 50, 100},
    {"Orkdead", 0, 0, 50, 100},    {"elf0", 0, 0, 50, 110},       {"elf1", 0, 0, 50, 110},
    {"elf2", 0, 0, 50, 110},       {"elfbag", 0, 0, 50, 110},     {"elfdead", 0, 0, 50, 110},
    {"footprint0", 34, 26, 17, 13}, {"footprint1", 34, 26, 17, 13}, {"footprint2", 34, 26, 17, 13},
    {"blood", 34, 26, 17, 13},     {"dagger", 0, 32, 16, 16},    {"head", 0, 32, 0, 0},
    {"grave", 0, 32, 0, 0},        {"bag", 64, 64, 32, 32},       {"crosshair", 64, 64, 0, 0},
    {"debris0", 64, 64, 0, 0},     {"debris1", 64, 64, 0, 0},     {"debris2", 64, 64, 0, 0},
    {"debris3", 64, 64, 0, 0},     {"debris4", 64, 64, 0, 0},     {"debris5", 64, 64, 0, 0}};

}

TEST(Assets, EverySampleLoadsShortAndUnclipped)
{
    for (const char* name : {"bone", "glass", "ducky", "splash", "warg", "splat"}) {
        SAMPLE* s = load_wav((std::string("sounds/") + name + ".wav").c_str());
        ASSERT_NE(s, nullptr) << name;
        EXPECT_LE(s->len, static_cast<unsigned long>(s->freq)) << name << " lasts over a second";
        EXPECT_EQ(s->bits, 16) << name;
        EXPECT_FALSE(s->stereo) << name;
        const unsigned short* data = static_cast<const unsigned short*>(s->data);
        int peak = 0;
        for (unsigned long i = 0; i < s->len; ++i)
            peak = std::max(peak, std::abs(int(data[i]) - 0x8000));
        EXPECT_LE(peak, 0x8000 * 89 / 100) << name << " peaks above -1 dBFS";
        EXPECT_GT(peak, 0x8000 / 10) << name << " is nearly silent";
        destroy_sample(s);
    }
}

TEST(Assets, GroundCoversItsTileAndRepeatsEverySixtyFourPixels)
{
    Picture dirt = load("dirt");
    ASSERT_TRUE(dirt);
    ASSERT_EQ(dirt->w, 128);
    ASSERT_EQ(dirt->h, 128);
    EXPECT_EQ(maskedCount(dirt.get(), 0, 0, 128, 128), 0);
    // The ground scrolls modulo 64 while drawn every 128: any other period jumps.
    for (int y = 0; y < 64; y += 7)
        for (int x = 0; x < 64; x += 5) {
            EXPECT_EQ(getpixel(dirt.get(), x, y), getpixel(dirt.get(), x + 64, y)) << x << "," << y;
            EXPECT_EQ(getpixel(dirt.get(), x, y), getpixel(dirt.get(), x, y + 64)) << x << "," << y;
        }
}

TEST(Assets, TerrainCoversItsTileFadesOutAndMatchesItsNeighbours)
{
    for (const std::string name : {"water", "rock", "wfade", "rfade", "fog"}) {
        Picture p = load(name);
        ASSERT_TRUE(p) << name;
        ASSERT_EQ(p->w, 128) << name;
        ASSERT_EQ(p->h, 128) << name;
        EXPECT_EQ(maskedCount(p.get(), 32, 32, 96, 96), 0) << name << ": holes in its own tile";
        EXPECT_TRUE(cornersMasked(p.get())) << name;
        EXPECT_GT(maskedCount(p.get(), 0, 0, 128, 16), 128 * 8) << name << ": top border barely fades";
        // Overlapping neighbours paint the same pixel where both cover it.
        for (int y = 32; y < 96; y += 3)
            for (int x = 0; x < 64; ++x) {
                if (masked(p.get(), x, y) || masked(p.get(), x + 64, y))
                    continue;
                ASSERT_EQ(getpixel(p.get(), x, y), getpixel(p.get(), x + 64, y)) << name << " " << x << "," << y;
            }
    }
}

TEST(Assets, MaskedPicturesAreTransparentAroundThemAndFitWhereTheyAreDrawn)
{
    for (const Masked& m : MaskedPictures) {
        Picture p = load(m.name);
        ASSERT_TRUE(p) << m.name;
        EXPECT_TRUE(!m.maxWidth || p->w <= m.maxWidth) << m.name;
        EXPECT_TRUE(!m.maxHeight || p->h <= m.maxHeight) << m.name;
        EXPECT_LT(m.x, p->w) << m.name;
        EXPECT_LT(m.y, p->h) << m.name;
        EXPECT_TRUE(cornersMasked(p.get())) << m.name;
        EXPECT_GT(maskedCount(p.get(), 0, 0, p->w, p->h), p->w * p->h / 4) << m.name << ": background not masked";
    }
    Picture crosshair = load("crosshair");
    EXPECT_FALSE(masked(crosshair.get(), crosshair->w / 2, crosshair->h / 2)) << "no mark on the aim point";
}

TEST(Assets, PanelPicturesStayInThePanelAndBesideTheText)
{
    const int panelRight = 710, panelTop = 90, panelBottom = 610, middle = 350;
    const int introTextEnd = 430, introStartLine = 580, storyEnd = 590;
    Picture intro = load("intro"), victory = load("victory");
    ASSERT_TRUE(intro);
    ASSERT_TRUE(victory);
    EXPECT_GE(panelRight - intro->w, introTextEnd);
    EXPECT_GE(middle - intro->h / 2, panelTop);
    EXPECT_LE(middle - intro->h / 2 + intro->h, introStartLine);
    EXPECT_GE(panelRight - victory->w, storyEnd);
    EXPECT_GE(middle - victory->h / 2, panelTop);
    EXPECT_LE(middle - victory->h / 2 + victory->h, panelBottom);
}
