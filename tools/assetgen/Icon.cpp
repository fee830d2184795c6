// The desktop icon: an ork's head seen from the front, helmeted and horned,
// eyes glowing red, tusks up. Painted afresh at every size (not scaled down),
// on a transparent background with soft edges.
// Art coordinates: the head's centre at the origin, 100 units across.
#include "Families.h"
#include "Palette.h"
#include "tools/pngfile/PngFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr float ArtSpan = 100.0f;
constexpr float Margin = 0.03f;          // share of the icon left clear on each side
constexpr float OutlineWidth = 1.1f;     // art units
constexpr float HeadDrop = 4.0f;         // horns reach higher than the jaw hangs low

// Material sizes are in pixels; the icon's pixels per art unit vary with size.
Material surface(Color c, float k, uint32_t seed, float round = 3.0f)
{
    Material m = matte(c, round * k, 0.1f, seed);
    m.grainCell = 3.0f * k;
    m.lift = 1.5f * k;
    return m;
}

Material skin(float k) { return surface(palette::OrkSkin, k, 301, 6.0f); }

Material iron(float k)
{
    Material m = surface(palette::Iron, k, 302, 4.0f);
    m.shine = 0.7f;
    return m;
}

void paintHorns(Image& image, Placement at, float k)
{
    Material horn = surface(palette::Tusk, k, 303, 3.0f);
    horn.shine = 0.3f;
    layPart(image, at, horn, [](Sculpt& s) {
        s.polygon({{-30, -18}, {-44, -34}, {-47, -49}, {-38, -36}, {-22, -28}});
        s.polygon({{30, -18}, {44, -34}, {47, -49}, {38, -36}, {22, -28}});
    });
}

void paintEars(Image& image, Placement at, float k)
{
    Material ear = skin(k);
    ear.base = scale(ear.base, 0.88f);
    layPart(image, at, ear, [](Sculpt& s) {
        s.polygon({{-24, -4}, {-50, -6}, {-42, 2}, {-26, 14}});
        s.polygon({{24, -4}, {50, -6}, {42, 2}, {26, 14}});
    });
    layPart(image, at, surface(palette::OrkSkinDark, k, 304, 2.0f), [](Sculpt& s) {
        s.polygon({{-28, -1}, {-42, -3}, {-29, 7}});
        s.polygon({{28, -1}, {42, -3}, {29, 7}});
    });
}

void paintFace(Image& image, Placement at, float k)
{
    layPart(image, at, skin(k), [](Sculpt& s) {
        s.ellipse(0, 2, 27, 30);
        s.ellipse(0, 22, 31, 19);
    });
    // Heavy brow drawn down into a scowl.
    layPart(image, at, surface(palette::OrkSkinDark, k, 305, 3.0f), [](Sculpt& s) {
        s.polygon({{-24, -8}, {-3, 1}, {3, 1}, {24, -8}, {23, -2}, {3, 6}, {-3, 6}, {-23, -2}});
    });
    Material socket = surface(rgb(26, 30, 14), k, 306, 2.0f);
    socket.shadow = 0.0f;
    layPart(image, at, socket, [](Sculpt& s) {
        s.ellipse(-11, 9, 7.5f, 4.0f, 0.4f);
        s.ellipse(11, 9, 7.5f, 4.0f, -0.4f);
    });
    Material eyes = surface(palette::EyeRed, k, 307, 1.0f);
    eyes.glow = 0.8f;
    eyes.shadow = 0.0f;
    eyes.ink = 0.0f;
    layPart(image, at, eyes, [](Sculpt& s) {
        s.ellipse(-11, 9, 4.5f, 1.8f, 0.4f);
        s.ellipse(11, 9, 4.5f, 1.8f, -0.4f);
    });
    layPart(image, at, surface(scale(palette::OrkSkin, 0.8f), k, 308, 4.0f), [](Sculpt& s) {
        s.ellipse(0, 17, 9, 5.0f);
    });
    layPart(image, at, surface(palette::OrkSkinDark, k, 309, 1.0f), [](Sculpt& s) {
        s.ellipse(-4, 20, 1.8f, 1.1f);
        s.ellipse(4, 20, 1.8f, 1.1f);
    });
}

void paintMouth(Image& image, Placement at, float k)
{
    layPart(image, at, surface(rgb(30, 20, 18), k, 310, 1.5f), [](Sculpt& s) {
        s.polygon({{-19, 27}, {-6, 29}, {6, 29}, {19, 27}, {15, 34}, {-15, 34}});
    });
    Material tusk = surface(palette::Tusk, k, 311, 2.5f);
    tusk.shine = 0.4f;
    layPart(image, at, tusk, [](Sculpt& s) {
        s.polygon({{-18, 35}, {-10, 35}, {-15, 23}, {-19, 13}});
        s.polygon({{18, 35}, {10, 35}, {15, 23}, {19, 13}});
    });
}

// Dome and rim of a riveted iron helmet down to the brow.
void paintHelmet(Image& image, Placement at, float k)
{
    layPart(image, at, iron(k), [](Sculpt& s) {
        s.ellipse(0, -12, 31, 27);
        s.carve(true);
        s.polygon({{-40, -9}, {40, -9}, {40, 40}, {-40, 40}});
    });
    layPart(image, at, surface(palette::IronDark, k, 312, 2.0f), [](Sculpt& s) {
        s.capsule(0, -37, 0, -13, 3.0f, 2.0f);
    });
    Material rim = iron(k);
    rim.base = scale(palette::Iron, 0.85f);
    layPart(image, at, rim, [](Sculpt& s) { s.capsule(-31, -9, 31, -9, 4.5f, 4.5f); });
    layPart(image, at, surface(palette::Brass, k, 313, 1.0f), [](Sculpt& s) {
        for (float x : {-22.0f, -8.0f, 8.0f, 22.0f})
            s.circle(x, -9, 1.6f);
    });
}

// A soft dark contour: the coverage widened by `radius` pixels, in ink,
// laid under the painting.
void contour(Image& image, Color ink, float radius)
{
    Image under(image.width, image.height);
    int reach = static_cast<int>(std::ceil(radius)) + 1;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            float cover = 0.0f;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    if (!image.inside(x + dx, y + dy))
                        continue;
                    float near = std::min(1.0f, std::max(0.0f, radius + 0.5f - std::hypot(float(dx), float(dy))));
                    cover = std::max(cover, image.coverage(x + dx, y + dy) * near);
                }
            under.at(x, y) = ink;
            under.coverage(x, y) = cover;
        }
    under.paste(image, 0, 0);
    image = under;
}

// Red, green, blue and coverage, unpremultiplied.
std::array<uint8_t, 4> rgbaAt(const Image& image, int x, int y)
{
    float a = image.coverage(x, y);
    Color c = a > 0.0f ? image.at(x, y) : Color();
    return {uint8_t(byteOf(c.r)), uint8_t(byteOf(c.g)), uint8_t(byteOf(c.b)), uint8_t(byteOf(a))};
}

bool writeIcon(const Image& image, const std::string& path)
{
    std::vector<uint8_t> rgba;
    rgba.reserve(image.width * image.height * 4);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const auto pixel = rgbaAt(image, x, y);
            rgba.insert(rgba.end(), pixel.begin(), pixel.end());
        }
    return writePng(path, image.width, image.height, rgba);
}

// The same pictures as a window's _NET_WM_ICON holds them: width, height,
// then each pixel as ARGB.
void appendCardinals(const Image& image, std::vector<uint32_t>& cardinals)
{
    cardinals.push_back(image.width);
    cardinals.push_back(image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const auto p = rgbaAt(image, x, y);
            cardinals.push_back(uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        }
}

// As C++ source for the programs to build in, as they do the XPM.
bool writeCardinals(const std::vector<uint32_t>& cardinals, const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    std::fprintf(file, "static const uint32_t orkcave_icon_cardinals[] = {");
    for (size_t i = 0; i < cardinals.size(); ++i)
        std::fprintf(file, "%s0x%08x,", i % 8 == 0 ? "\n" : " ", cardinals[i]);
    std::fprintf(file, "\n};\n");
    return std::fclose(file) == 0;
}

}

void paintOrkHead(Image& image)
{
    float k = image.width * (1.0f - 2.0f * Margin) / ArtSpan;
    Placement at{image.width / 2.0f, image.height / 2.0f + HeadDrop * k, k, 0.0f};
    paintHorns(image, at, k);
    paintEars(image, at, k);
    paintFace(image, at, k);
    paintMouth(image, at, k);
    paintHelmet(image, at, k);
    contour(image, palette::Outline, std::max(1.0f, OutlineWidth * k));
}

void makeIcons(const std::string& dir)
{
    std::vector<uint32_t> cardinals;
    for (int size : IconSizes) {
        Image image(size, size);
        paintOrkHead(image);
        const std::string path = iconFile(dir, size);
        requireWritten(writeIcon(image, path), path);
        appendCardinals(image, cardinals);
    }
    const std::string source = iconCardinalsFile(dir);
    requireWritten(writeCardinals(cardinals, source), source);
}
