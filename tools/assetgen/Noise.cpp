#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace noise {

namespace {

int wrap(int v, int period)
{
    if (period <= 0)
        return v;
    int m = v % period;
    return m < 0 ? m + period : m;
}

float smooth(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

int latticePeriod(float cell, int period)
{
    return period > 0 ? std::max(1, static_cast<int>(std::lround(period / cell))) : 0;
}

// A wrapping lattice must fit the period a whole number of times.
float fittedCell(float cell, int period)
{
    return period > 0 ? float(period) / latticePeriod(cell, period) : cell;
}

}

float hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x27D4EB2Du ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h >> 8) * (1.0f / 16777216.0f);
}

float value(float x, float y, float cell, int period, uint32_t seed)
{
    cell = fittedCell(cell, period);
    int lp = latticePeriod(cell, period);
    float fx = x / cell, fy = y / cell;
    int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    float tx = smooth(fx - ix), ty = smooth(fy - iy);
    int x0 = wrap(ix, lp), x1 = wrap(ix + 1, lp), y0 = wrap(iy, lp), y1 = wrap(iy + 1, lp);
    float top = hash(x0, y0, seed) + (hash(x1, y0, seed) - hash(x0, y0, seed)) * tx;
    float bottom = hash(x0, y1, seed) + (hash(x1, y1, seed) - hash(x0, y1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float fractal(float x, float y, float cell, int octaves, int period, uint32_t seed)
{
    return fractal(cell, octaves, seed, 7919u,
                   [&](float octaveCell, uint32_t octaveSeed) { return value(x, y, octaveCell, period, octaveSeed); });
}

Cells cells(float x, float y, float cell, int period, uint32_t seed)
{
    cell = fittedCell(cell, period);
    int lp = latticePeriod(cell, period);
    int ix = static_cast<int>(std::floor(x / cell)), iy = static_cast<int>(std::floor(y / cell));
    Cells result{1e9f, 0};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int cx = wrap(ix + dx, lp), cy = wrap(iy + dy, lp);
            float px = (ix + dx + 0.1f + 0.8f * hash(cx, cy, seed)) * cell;
            float py = (iy + dy + 0.1f + 0.8f * hash(cx, cy, seed + 1u)) * cell;
            float d = std::hypot(px - x, py - y);
            if (d < result.nearest) {
                result.nearest = d;
                result.id = static_cast<uint32_t>(hash(cx, cy, seed + 2u) * 16777216.0f);
            }
        }
    return result;
}

float stipple(int x, int y)
{
    return hash(x, y, 0x5EEDu);
}

float bayer(int x, int y)
{
    static const int matrix[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};
    return (matrix[y & 7][x & 7] + 0.5f) / 64.0f;
}

}
