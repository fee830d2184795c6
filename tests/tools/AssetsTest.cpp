// The generated pictures and samples: every file the game loads is there,
// transparent where the game relies on it, and fits where it is drawn.
#include <gtest/gtest.h>

#include <allegro.h>

#include <string>

namespace {
bool masked(BITMAP* b, int x, int y)
{
    return getpixel(b, x, y) == makecol(255, 0, 255);
}
}

TEST(Assets, PicturesHoldTheirPivotsAndAreSeeThroughAtTheCornersAndTheGroundRepeatsEvery64)
{
    struct Picture {
        const char* name;
        int pivotX, pivotY, largest;  // largest side it may have where it is drawn (0: any)
    };
    for (Picture p : {Picture{"Ork0", 50, 100, 0}, {"Ork1", 50, 100, 0}, {"Ork2", 50, 100, 0}, {"Orkdead", 50, 100, 0},
                      {"elf0", 50, 110, 0}, {"elf1", 50, 110, 0}, {"elf2", 50, 110, 0}, {"elfbag", 50, 110, 0},
                      {"elfdead", 50, 110, 0}, {"footprint0", 17, 13, 34}, {"footprint1", 17, 13, 34},
                      {"footprint2", 17, 13, 34}, {"blood", 17, 13, 34}, {"dagger", 16, 16, 32}, {"bag", 32, 32, 64},
                      {"crosshair", 0, 0, 64}, {"head", 0, 0, 32}, {"grave", 0, 0, 32}, {"debris0", 0, 0, 64},
                      {"debris3", 0, 0, 64}, {"debris5", 0, 0, 64}, {"water", 64, 64, 128}, {"rock", 64, 64, 128},
                      {"wfade", 64, 64, 128}, {"rfade", 64, 64, 128}, {"fog", 64, 64, 128}}) {
        BITMAP* b = load_bitmap(("textures/" + std::string(p.name) + ".bmp").c_str(), nullptr);
        ASSERT_TRUE(b) << p.name;
        EXPECT_TRUE(p.pivotX < b->w && p.pivotY < b->h) << p.name;
        EXPECT_TRUE(masked(b, 0, 0) && masked(b, b->w - 1, 0) && masked(b, 0, b->h - 1) && masked(b, b->w - 1, b->h - 1))
            << p.name;
        EXPECT_TRUE(!p.largest || (b->w <= p.largest && b->h <= p.largest)) << p.name;
        EXPECT_TRUE(p.largest != 128 || !masked(b, 64, 64)) << p.name << " covers its own tile";
        destroy_bitmap(b);
    }
    BITMAP* dirt = load_bitmap("textures/dirt.bmp", nullptr);
    ASSERT_TRUE(dirt && dirt->w == 128 && dirt->h == 128);
    int wrong = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            wrong += masked(dirt, x, y) || getpixel(dirt, x, y) != getpixel(dirt, x + 64, y + 64);
    EXPECT_EQ(wrong, 0);
    destroy_bitmap(dirt);
}

