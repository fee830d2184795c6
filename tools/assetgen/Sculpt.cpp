#include "Sculpt.h"

#include "Light.h"
#include "Noise.h"
#include "Palette.h"

#include <algorithm>
#include <allegro.h>
#include <cmath>

namespace {

// Box blur along one axis with a running sum; `stride` picks the axis.
void boxPass(const std::vector<float>& src, std::vector<float>& dst, int lines, int length, int step, int stride,
             int radius)
{
    float norm = 1.0f / (2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        const int base = l * stride;
        auto at = [&](int i) { return src[base + std::min(length - 1, std::max(0, i)) * step]; };
        float sum = 0.0f;
        for (int k = -radius; k <= radius; ++k)
            sum += at(k);
        for (int i = 0; i < length; ++i) {
            dst[base + i * step] = sum * norm;
            sum += at(i + radius + 1) - at(i - radius);
        }
    }
}

// The mask blurred twice: a soft hill whose height rises from the
// silhouette's edge over about `radius` mask pixels.
std::vector<float> pillow(BITMAP* mask, int radius)
{
    int w = mask->w, h = mask->h;
    std::vector<float> a(w * h), b(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[y * w + x] = mask->line[y][x] ? 1.0f : 0.0f;
    for (int pass = 0; pass < 2; ++pass) {
        boxPass(a, b, h, w, 1, w, radius);
        boxPass(b, a, w, h, w, 1, radius);
    }
    return a;
}

float lightAt(const std::vector<float>& height, int w, int h, int x, int y, float steepness)
{
    auto at = [&](int px, int py) {
        return height[std::min(h - 1, std::max(0, py)) * w + std::min(w - 1, std::max(0, px))];
    };
    float gx = (at(x + 1, y) - at(x - 1, y)) * steepness;
    float gy = (at(x, y + 1) - at(x, y - 1)) * steepness;
    float len = std::sqrt(gx * gx + gy * gy + 1.0f);
    float nx = -gx / len, ny = -gy / len, nz = 1.0f / len;
    float ll = std::sqrt(light::X * light::X + light::Y * light::Y + light::Z * light::Z);
    return light::facing(nx, ny, nz) / ll;
}

// Coverage of one output pixel by the supersampled mask: the share of its
// Super x Super samples that are set.
float maskCoverage(BITMAP* mask, int x, int y)
{
    const int s = Sculpt::Super;
    if (x < 0 || y < 0 || (x + 1) * s > mask->w || (y + 1) * s > mask->h)
        return 0.0f;
    int count = 0;
    for (int j = 0; j < s; ++j)
        for (int i = 0; i < s; ++i)
            count += mask->line[y * s + j][x * s + i] ? 1 : 0;
    return count / float(s * s);
}

// A mask sample within one output pixel of the silhouette's edge.
bool onEdge(BITMAP* mask, int x, int y, int reach)
{
    auto empty = [&](int px, int py) {
        return px < 0 || py < 0 || px >= mask->w || py >= mask->h || !mask->line[py][px];
    };
    return empty(x - reach, y) || empty(x + reach, y) || empty(x, y - reach) || empty(x, y + reach);
}

void castShadow(Image& image, const Sculpt& part, const Material& m)
{
    if (m.shadow <= 0.0f)
        return;
    int off = static_cast<int>(std::lround(m.lift));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (image.coverage(x, y) <= 0.0f)
                continue;
            float c = maskCoverage(part.mask, x - off, y - off);
            if (c > 0.0f)
                image.at(x, y) = scale(image.at(x, y), 1.0f - m.shadow * c);
        }
}

}

Point Placement::apply(Point p) const
{
    float c = std::cos(turn), s = std::sin(turn);
    return {x + size * (p.x * c - p.y * s), y + size * (p.x * s + p.y * c)};
}

Placement Placement::moved(float dx, float dy) const
{
    Placement p = *this;
    Point o = apply({dx, dy});
    p.x = o.x;
    p.y = o.y;
    return p;
}

Sculpt::Sculpt(int w, int h, Placement placement)
    : width(w), height(h), mask(create_bitmap_ex(8, w * Super, h * Super)), place(placement)
{
    clear_to_color(mask, 0);
}

Sculpt::~Sculpt() { destroy_bitmap(mask); }

Point Sculpt::toMask(float x, float y) const
{
    Point p = place.apply({x, y});
    return {p.x * Super, p.y * Super};
}

void Sculpt::circle(float x, float y, float r)
{
    Point c = toMask(x, y);
    circlefill(mask, static_cast<int>(c.x), static_cast<int>(c.y), static_cast<int>(r * place.size * Super), ink);
}

void Sculpt::ellipse(float x, float y, float rx, float ry, float turn)
{
    std::vector<Point> points;
    const int n = 40;
    float c = std::cos(turn), s = std::sin(turn);
    for (int i = 0; i < n; ++i) {
        float t = 2.0f * float(M_PI) * i / n;
        float ex = rx * std::cos(t), ey = ry * std::sin(t);
        points.push_back({x + ex * c - ey * s, y + ex * s + ey * c});
    }
    polygon(points);
}

void Sculpt::capsule(float x0, float y0, float x1, float y1, float r0, float r1)
{
    circle(x0, y0, r0);
    circle(x1, y1, r1);
    float dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    if (len < 0.01f)
        return;
    float nx = -dy / len, ny = dx / len;
    polygon({{x0 + nx * r0, y0 + ny * r0}, {x1 + nx * r1, y1 + ny * r1},
             {x1 - nx * r1, y1 - ny * r1}, {x0 - nx * r0, y0 - ny * r0}});
}

void Sculpt::polygon(const std::vector<Point>& points)
{
    std::vector<int> xy;
    for (const Point& p : points) {
        Point m = toMask(p.x, p.y);
        xy.push_back(static_cast<int>(m.x));
        xy.push_back(static_cast<int>(m.y));
    }
    ::polygon(mask, static_cast<int>(points.size()), xy.data(), ink);
}

Material matte(Color base, float round, float grain, uint32_t seed, float shadow)
{
    Material m;
    m.base = base;
    m.round = round;
    m.grain = grain;
    m.seed = seed;
    m.shadow = shadow;
    return m;
}

void lay(Image& image, const Sculpt& part, const Material& m)
{
    castShadow(image, part, m);
    const int s = Sculpt::Super;
    int radius = std::max(1, static_cast<int>(m.round * s * 0.5f));
    std::vector<float> height = pillow(part.mask, radius);
    int mw = part.mask->w, mh = part.mask->h;
    float steepness = 1.6f * radius;
    for (int y = 0; y < image.height && (y + 1) * s <= mh; ++y)
        for (int x = 0; x < image.width && (x + 1) * s <= mw; ++x) {
            int count = 0, rim = 0;
            float light = 0.0f, highlight = 0.0f;
            for (int j = 0; j < s; ++j)
                for (int i = 0; i < s; ++i) {
                    int mx = x * s + i, my = y * s + j;
                    if (!part.mask->line[my][mx])
                        continue;
                    float l = lightAt(height, mw, mh, mx, my, steepness);
                    light += l;
                    highlight += std::pow(std::max(0.0f, l), 12.0f);
                    rim += onEdge(part.mask, mx, my, s) ? 1 : 0;
                    ++count;
                }
            if (!count)
                continue;
            light /= count;
            highlight /= count;
            float grain = 1.0f + m.grain * 2.0f * (noise::fractal(x, y, m.grainCell, 2, 0, m.seed) - 0.5f);
            float shade = (0.42f + 0.78f * std::max(0.0f, light)) * grain;
            shade = shade * (1.0f - m.glow) + m.glow;
            shade *= 1.0f - m.ink * rim / count;
            Color c = add(scale(m.base, shade), scale(rgb(255, 250, 235), m.shine * highlight));
            image.blend(x, y, c, count / float(s * s));
        }
}

void outline(Image& image, Color ink)
{
    std::vector<bool> solid(image.width * image.height);
    for (int i = 0; i < image.width * image.height; ++i)
        solid[i] = image.alpha[i] >= 0.5f;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (solid[y * image.width + x]) {
                image.coverage(x, y) = 1.0f;
                continue;
            }
            image.coverage(x, y) = 0.0f;
            bool touches = false;
            for (int k = 0; k < 4 && !touches; ++k) {
                int nx = x + (k == 0) - (k == 1), ny = y + (k == 2) - (k == 3);
                touches = image.inside(nx, ny) && solid[ny * image.width + nx];
            }
            if (touches) {
                image.at(x, y) = ink;
                image.coverage(x, y) = 1.0f;
            }
        }
}

void writeSprite(Image& image, const std::string& path)
{
    outline(image, palette::Outline);
    writePicture(image, path, Edge::Hard);
}

void streak(Image& image, Placement at, Point from, Point to, float width, Color c)
{
    Point a = at.apply(from), b = at.apply(to);
    float len = std::hypot(b.x - a.x, b.y - a.y);
    float w = width * at.size;
    int x0 = static_cast<int>(std::min(a.x, b.x) - w) - 1, x1 = static_cast<int>(std::max(a.x, b.x) + w) + 1;
    int y0 = static_cast<int>(std::min(a.y, b.y) - w) - 1, y1 = static_cast<int>(std::max(a.y, b.y) + w) + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if ((x + y) % 2 != 0 || !image.inside(x, y))
                continue;
            float t = len > 0 ? ((x - a.x) * (b.x - a.x) + (y - a.y) * (b.y - a.y)) / (len * len) : 0.0f;
            if (t < 0.0f || t > 1.0f)
                continue;
            float px = a.x + t * (b.x - a.x), py = a.y + t * (b.y - a.y);
            if (std::hypot(x - px, y - py) <= w * (0.4f + 0.6f * t))
                image.blend(x, y, c, 1.0f);
        }
}
