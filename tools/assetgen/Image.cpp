#include "Image.h"

#include "Noise.h"
#include "world/FastSprite.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <allegro.h>

namespace {

float clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

// Quantises one channel to `levels` steps with a dither threshold and
// returns the 8-bit value whose top bits Allegro keeps when it reduces
// the picture to 16-bit colour.
int quantise(float v, int bits, float threshold)
{
    int top = (1 << bits) - 1;
    int q = static_cast<int>(clamp01(v) * top + threshold);
    q = std::min(top, q);
    int value = q << (8 - bits);
    return value | (value >> bits);
}

bool isMaskColour(int r, int g, int b) { return (r >> 3) == 31 && (g >> 2) == 0 && (b >> 3) == 31; }

bool covered(const Image& image, int x, int y, Edge edge)
{
    float a = image.coverage(x, y);
    if (edge == Edge::Hard)
        return a >= 0.5f;
    return a > noise::stipple(x, y);
}

}

Color rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

int byteOf(float v)
{
    return static_cast<int>(std::lround(std::min(1.0f, std::max(0.0f, v)) * 255.0f));
}

Color mix(Color a, Color b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Color scale(Color c, float k) { return {c.r * k, c.g * k, c.b * k}; }
Color add(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

Image::Image(int w, int h) : width(w), height(h), color(w * h), alpha(w * h, 0.0f) {}

void Image::blend(int x, int y, Color c, float opacity)
{
    if (!inside(x, y) || opacity <= 0.0f)
        return;
    opacity = clamp01(opacity);
    Color& dst = at(x, y);
    float& a = coverage(x, y);
    float outA = opacity + a * (1.0f - opacity);
    if (outA <= 0.0f)
        return;
    float keep = a * (1.0f - opacity) / outA;
    float put = opacity / outA;
    dst = add(scale(dst, keep), scale(c, put));
    a = outA;
}

void Image::fill(Color c, float opacity)
{
    std::fill(color.begin(), color.end(), c);
    std::fill(alpha.begin(), alpha.end(), opacity);
}

void Image::paste(const Image& other, int x0, int y0)
{
    for (int y = 0; y < other.height; ++y)
        for (int x = 0; x < other.width; ++x)
            blend(x0 + x, y0 + y, other.at(x, y), other.coverage(x, y));
}

void requireWritten(bool written, const std::string& path)
{
    if (written)
        return;
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    std::exit(1);
}

void writePicture(const Image& image, const std::string& path, Edge edge)
{
    BITMAP* bmp = create_bitmap_ex(24, image.width, image.height);
    requireWritten(bmp != nullptr, path);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (!covered(image, x, y, edge)) {
                putpixel(bmp, x, y, makecol24(MaskRed, MaskGreen, MaskBlue));
                continue;
            }
            Color c = image.at(x, y);
            float t = noise::bayer(x, y);
            int r = quantise(c.r, 5, t), g = quantise(c.g, 6, t), b = quantise(c.b, 5, t);
            if (isMaskColour(r, g, b))
                g = 4;
            putpixel(bmp, x, y, makecol24(r, g, b));
        }
    const bool written = save_bitmap(path.c_str(), bmp, nullptr) == 0;
    destroy_bitmap(bmp);
    requireWritten(written, path);
}

float smoothstep(float a, float b, float v)
{
    float t = std::min(1.0f, std::max(0.0f, (v - a) / (b - a)));
    return t * t * (3.0f - 2.0f * t);
}
