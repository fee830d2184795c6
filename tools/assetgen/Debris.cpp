// Floor litter, one picture per kind, drawn at a tile's top-left corner:
// 0 pebbles and moss (silent), 1 and 2 bones, 3 and 4 glass, 5 a rubber duck.
#include "Families.h"
#include "Noise.h"
#include "Palette.h"
#include "Rng.h"
#include "world/TileMap.h"

#include <cmath>

namespace {

constexpr int DebrisSize = TileMap::TileSize;  // litter is drawn within its tile
constexpr float Grain = 0.08f;
constexpr float Shadow = 0.45f;  // litter lies flat: deep shadows

// A long bone: a shaft with two knobs at each end.
void bone(Sculpt& s, Point a, Point b, float r)
{
    float dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    float nx = -dy / len * r * 0.8f, ny = dx / len * r * 0.8f;
    s.capsule(a.x, a.y, b.x, b.y, r * 0.7f, r * 0.7f);
    for (Point p : {a, b}) {
        s.circle(p.x + nx, p.y + ny, r);
        s.circle(p.x - nx, p.y - ny, r);
    }
}

void paintPebbles(Image& image)
{
    Rng rng(501);
    Material moss = matte(rgb(64, 92, 44), 2.0f, Grain, 502, Shadow);
    moss.grain = 0.3f;
    moss.grainCell = 1.5f;
    moss.shadow = 0.0f;
    layPart(image, {}, moss, [&](Sculpt& s) {
        for (int i = 0; i < 14; ++i)
            s.circle(rng.range(14, 34) + rng.signedUnit() * 4, rng.range(30, 48), rng.range(1.5f, 3.5f));
    });
    for (int i = 0; i < 9; ++i) {
        Color tone = mix(rgb(110, 104, 96), rgb(140, 128, 108), rng.uniform());
        float x = rng.range(10, 54), y = rng.range(10, 54), r = rng.range(2.0f, 4.5f);
        layPart(image, {}, matte(tone, r, Grain, 503 + i, Shadow), [&](Sculpt& s) { s.ellipse(x, y, r, r * 0.75f, rng.range(0, 3)); });
    }
}

void paintScatteredBones(Image& image)
{
    Material m = matte(palette::Bone, 2.0f, Grain, 511, Shadow);
    layPart(image, {}, m, [](Sculpt& s) {
        bone(s, {12, 18}, {40, 30}, 3.0f);
        bone(s, {30, 50}, {50, 40}, 2.5f);
    });
    layPart(image, {}, m, [](Sculpt& s) {
        for (int i = 0; i < 4; ++i)
            s.capsule(18 + i * 5.0f, 36 + i * 1.5f, 24 + i * 5.0f, 48 + i * 1.0f, 1.2f, 1.0f);
        s.circle(50, 16, 2.0f);
        s.circle(46, 20, 1.5f);
    });
}

void paintSkull(Image& image)
{
    layPart(image, {}, matte(palette::Bone, 2.0f, Grain, 521, Shadow), [](Sculpt& s) { bone(s, {8, 46}, {30, 56}, 2.6f); });
    Material skull = matte(palette::Bone, 6.0f, Grain, 522, Shadow);
    skull.grain = 0.1f;
    layPart(image, {}, skull, [](Sculpt& s) {
        s.ellipse(36, 26, 13, 15, -0.3f);
        s.ellipse(31, 38, 8, 6, -0.3f);
    });
    layPart(image, {}, matte(rgb(40, 30, 24), 1.0f, Grain, 523, Shadow), [](Sculpt& s) {
        s.ellipse(28, 31, 3.5f, 4, -0.3f);
        s.ellipse(38, 35, 3.5f, 4, -0.3f);
        s.polygon({{31, 40}, {34, 40}, {32, 43}});
        s.capsule(38, 16, 44, 24, 0.6f, 0.6f);
    });
}

// Shards: sharp polygons of glass with bright glints.
void paintShards(Image& image, Color glass, uint32_t seed, bool neck)
{
    Rng rng(seed);
    Material m = matte(glass, 1.0f, Grain, seed, Shadow);
    m.shine = 1.2f;
    m.grain = 0.2f;
    m.shadow = 0.3f;
    int count = neck ? 6 : 8;
    for (int i = 0; i < count; ++i) {
        float x = rng.range(10, 54), y = rng.range(10, 54), r = rng.range(neck ? 4.0f : 3.5f, neck ? 7.5f : 6.5f);
        float a = rng.range(0, 6.28f);
        Color tone = mix(glass, rgb(230, 250, 240), rng.range(0.0f, 0.35f));
        m.base = tone;
        layPart(image, {}, m, [&](Sculpt& s) {
            s.polygon({{x + std::cos(a) * r, y + std::sin(a) * r},
                       {x + std::cos(a + 2.3f) * r * 0.6f, y + std::sin(a + 2.3f) * r * 0.6f},
                       {x + std::cos(a + 3.7f) * r * 0.8f, y + std::sin(a + 3.7f) * r * 0.8f}});
        });
    }
    if (neck) {
        m.base = scale(glass, 0.8f);
        layPart(image, {}, m, [](Sculpt& s) { s.capsule(24, 22, 38, 34, 3.6f, 4.2f); });
        m.base = mix(glass, rgb(230, 250, 240), 0.3f);
        layPart(image, {}, m, [](Sculpt& s) {
            s.circle(23, 21, 4.4f);
            s.carve(true);
            s.circle(23, 21, 2.2f);
        });
    }
    for (int i = 0; i < 5; ++i) {
        int x = static_cast<int>(rng.range(12, 52)), y = static_cast<int>(rng.range(12, 52));
        if (image.coverage(x, y) < 0.5f)
            continue;
        for (int k = -1; k <= 1; ++k) {
            image.blend(x + k, y, rgb(255, 255, 255), 1.0f);
            image.blend(x, y + k, rgb(255, 255, 255), 1.0f);
        }
    }
}

void paintDuck(Image& image)
{
    Placement at{32.0f, 34.0f, 1.0f, -0.5f};
    Material yellow = matte(palette::Duck, 6.0f, Grain, 551, Shadow);
    yellow.shine = 0.5f;
    yellow.grain = 0.03f;
    layPart(image, at, yellow, [](Sculpt& s) {
        s.ellipse(0, 4, 11, 13);
        s.polygon({{-4, 14}, {4, 14}, {0, 20}});
    });
    layPart(image, at, matte(rgb(236, 186, 20), 3.0f, Grain, 552, Shadow), [](Sculpt& s) {
        s.ellipse(-8, 5, 4, 8, 0.15f);
        s.ellipse(8, 5, 4, 8, -0.15f);
    });
    layPart(image, at, yellow, [](Sculpt& s) { s.circle(0, -9, 7.5f); });
    layPart(image, at, matte(palette::Beak, 2.0f, Grain, 553, Shadow), [](Sculpt& s) { s.ellipse(0, -16, 5, 3.0f); });
    Material eye = matte(rgb(20, 20, 30), 0.5f, Grain, 554, Shadow);
    eye.shine = 1.0f;
    layPart(image, at, eye, [](Sculpt& s) {
        s.circle(-4, -11, 1.3f);
        s.circle(4, -11, 1.3f);
    });
}

template <typename Paint>
void writeDebris(const std::string& path, Paint paint)
{
    Image image(DebrisSize, DebrisSize);
    paint(image);
    writeSprite(image, path);
}

}

void makeDebris(const std::string& game)
{
    writeDebris(dataFileIn(game, DataFile::Debris0), paintPebbles);
    writeDebris(dataFileIn(game, DataFile::Debris1), paintScatteredBones);
    writeDebris(dataFileIn(game, DataFile::Debris2), paintSkull);
    writeDebris(dataFileIn(game, DataFile::Debris3), [](Image& im) { paintShards(im, palette::GlassGreen, 531, true); });
    writeDebris(dataFileIn(game, DataFile::Debris4), [](Image& im) { paintShards(im, palette::GlassBlue, 541, false); });
    writeDebris(dataFileIn(game, DataFile::Debris5), paintDuck);
}
