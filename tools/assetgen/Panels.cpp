// The two panel pictures: the cave mouth at the start (the elf in the last
// daylight, the bag far below, orks waiting in the dark) and the way out at
// the end (the elf with the bag stepping into the snow). Both fade to black
// at their edges so that they melt into the black panel.
#include "Families.h"
#include "Noise.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int IntroWidth = 256, IntroHeight = 380;
constexpr int VictoryWidth = 100, VictoryHeight = 420;

// The cave as seen from above: a passage whose half-width and centre line
// change with depth, opening at the top onto snow.
struct Cave {
    float mouthY;                        // snow above this line
    float (*halfWidth)(float y, float w);
    float (*centre)(float y, float w);
    uint32_t seed;

    // Positive inside rock, negative on the floor.
    float rockField(float x, float y, float w) const
    {
        float edge = std::fabs(x - centre(y, w)) - halfWidth(y, w);
        return edge + 10.0f * (noise::fractal(x, y, 24.0f, 3, 0, seed) - 0.5f);
    }
};

Color snowAt(int x, int y)
{
    float n = noise::fractal(x, y, 24.0f, 4, 0, 701u);
    Color c = mix(palette::SnowShade, palette::Snow, 0.45f + 0.55f * n);
    if (noise::hash(x, y, 702u) > 0.985f)
        c = palette::Daylight;
    return c;
}

void paintCave(Image& image, const Cave& cave)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            float field = cave.rockField(x, y, image.width);
            float drift = 14.0f * (noise::fractal(x, y, 16.0f, 2, 0, 703u) - 0.5f);
            Color floor = y < cave.mouthY + drift ? snowAt(x, y) : dirtAt(x, y);
            float shade = 1.0f - 0.6f * smoothstep(-14.0f, 0.0f, field);
            Color c = field > 0.0f ? rockAt(x, y) : scale(floor, shade);
            image.at(x, y) = c;
            image.coverage(x, y) = 1.0f;
        }
}

// Daylight falls in from a point and fades with distance; the dark keeps a
// trace of colour so that shapes can still be made out.
void light(Image& image, Point source, float reach, float floorLight)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            float d = std::hypot(x - source.x, y - source.y);
            float l = std::max(floorLight, 1.0f - smoothstep(0.0f, reach, d) * (1.0f - floorLight));
            Color c = image.at(x, y);
            image.at(x, y) = {c.r * l, c.g * l, c.b * std::min(1.0f, l * 1.15f + 0.02f)};
        }
}

void vignette(Image& image, float border)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            float d = std::min({float(x), float(y), float(image.width - 1 - x), float(image.height - 1 - y)});
            image.at(x, y) = scale(image.at(x, y), smoothstep(0.0f, border, d));
        }
}

void glowingEyes(Image& image, Placement ork)
{
    for (float side : {-4.0f, 4.0f}) {
        Point p = ork.apply({side, -19.5f});
        int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
        image.blend(x, y, rgb(255, 70, 30), 1.0f);
        image.blend(x + 1, y, rgb(200, 40, 20), 1.0f);
    }
}

float introHalfWidth(float y, float w) { return y < 40 ? 30.0f + y * 0.3f : std::min(w * 0.42f, 42.0f + (y - 40) * 0.35f); }
float introCentre(float y, float w) { return w * 0.5f + 14.0f * std::sin(y * 0.02f); }
float victoryHalfWidth(float y, float) { return 24.0f + 6.0f * std::sin(y * 0.05f) + std::max(0.0f, 170.0f - y) * 0.45f; }
float victoryCentre(float y, float w) { return w * 0.5f + 6.0f * std::sin(y * 0.03f); }

void writeIntro(const std::string& path)
{
    Image image(IntroWidth, IntroHeight);
    paintCave(image, {40.0f, introHalfWidth, introCentre, 704u});
    paintBag(image, {118.0f, 236.0f, 1.0f, 0.4f});
    const Placement orks[] = {{70.0f, 330.0f, 0.8f, 0.3f}, {150.0f, 350.0f, 0.8f, -0.2f}, {200.0f, 300.0f, 0.8f, -0.9f}};
    for (const Placement& ork : orks)
        paintOrk(image, ork, OrkPose::Walk);
    paintElf(image, {128.0f, 96.0f, 1.3f, float(M_PI)}, ElfPose::Ready);
    light(image, {128.0f, 10.0f}, 340.0f, 0.1f);
    for (const Placement& ork : orks)
        glowingEyes(image, ork);
    vignette(image, 18.0f);
    writePicture(image, path, Edge::Hard);
}

// A fir seen from above: layers of ragged boughs, each tier smaller,
// lighter and turned a little from the one below.
void paintFir(Image& image, Point at, float r)
{
    for (int tier = 0; tier < 3; ++tier) {
        Material boughs;
        boughs.base = mix(rgb(26, 58, 44), rgb(70, 110, 84), tier / 2.0f);
        boughs.round = r * 0.3f;
        boughs.grain = 0.25f;
        boughs.grainCell = 1.5f;
        boughs.lift = tier == 0 ? r * 0.5f : 1.5f;
        boughs.seed = 706 + tier;
        float size = r * (1.0f - 0.3f * tier);
        layPart(image, {}, boughs, [&](Sculpt& s) {
            std::vector<Point> star;
            for (int i = 0; i < 18; ++i) {
                float a = i * float(M_PI) / 9 + tier * 0.4f;
                float radius = size * ((i % 2) ? 0.72f : 1.0f);
                star.push_back({at.x + std::cos(a) * radius, at.y + std::sin(a) * radius});
            }
            s.polygon(star);
        });
    }
}

void writeVictory(const std::string& path)
{
    Image image(VictoryWidth, VictoryHeight);
    paintCave(image, {150.0f, victoryHalfWidth, victoryCentre, 705u});
    paintFir(image, {22.0f, 38.0f}, 15.0f);
    paintFir(image, {80.0f, 72.0f}, 12.0f);
    paintFir(image, {24.0f, 104.0f}, 9.0f);
    paintElf(image, {50.0f, 150.0f, 1.1f, 0.0f}, ElfPose::Carry);
    light(image, {50.0f, 40.0f}, 420.0f, 0.06f);
    vignette(image, 12.0f);
    writePicture(image, path, Edge::Hard);
}

}

void makePanels(const std::string& game)
{
    writeIntro(dataFileIn(game, DataFile::Intro));
    writeVictory(dataFileIn(game, DataFile::Victory));
}
