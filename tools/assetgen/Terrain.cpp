// Ground, rock, water, their fade borders and the fog, at the map's own
// measures. The ground is drawn a picture apart but scrolled modulo a tile,
// and neighbouring tile pictures overlap each other, so every surface
// repeats every tile: where one tile's picture covers its neighbour it
// paints the same pixels.
#include "Families.h"
#include "Light.h"
#include "Noise.h"
#include "Palette.h"
#include "world/TileMap.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Period = TileMap::TileSize;
constexpr int TilePicture = TileMap::PictureSize;
constexpr float TileHalf = TileMap::TileSize / 2.0f;

float lambert(float gx, float gy)
{
    float len = std::sqrt(gx * gx + gy * gy + 1.0f);
    return light::facing(-gx, -gy, 1.0f) / (len * 0.9f);
}

// Pebbles: a few per tile, each a small lit dome.
struct Pebble {
    float height;   // 0 where there is none
    Color tone;
};

Pebble pebbleAt(float x, float y)
{
    noise::Cells c = noise::cells(x, y, 8.0f, Period, 12u);
    if (noise::hash(c.id, 1, 13u) > 0.13f)
        return {0.0f, {}};
    float r = 0.9f + 1.6f * noise::hash(c.id, 0, 13u);
    if (c.nearest >= r)
        return {0.0f, {}};
    Color tone = mix(rgb(100, 84, 66), rgb(128, 120, 108), noise::hash(c.id, 2, 13u));
    return {std::sqrt(1.0f - (c.nearest * c.nearest) / (r * r)), tone};
}

float dirtHeight(float x, float y)
{
    return noise::fractal(x, y, 16.0f, 4, Period, 11u) * 3.0f + pebbleAt(x, y).height * 1.2f;
}

// Value noise folded at its middle into sharp crests, squared to narrow them.
float ridged(float x, float y, float cell, int octaves, uint32_t seed)
{
    return noise::fractal(cell, octaves, seed, 31u, [&](float octaveCell, uint32_t octaveSeed) {
        float n = 1.0f - std::fabs(2.0f * noise::value(x, y, octaveCell, Period, octaveSeed) - 1.0f);
        return n * n;
    });
}

float rockHeight(float x, float y) { return ridged(x, y, 16.0f, 4, 21u) * 4.0f + ridged(x, y, 8.0f, 2, 20u) * 2.0f; }

// How far a picture pixel lies outside its tile's square, with a
// ragged noise added so that borders do not look ruled.
float distanceOutsideTile(int px, int py, float ragged, float cell, uint32_t seed)
{
    float dx = std::max(0.0f, std::fabs(px + 0.5f - TilePicture / 2) - TileHalf);
    float dy = std::max(0.0f, std::fabs(py + 0.5f - TilePicture / 2) - TileHalf);
    float d = std::sqrt(dx * dx + dy * dy);
    float wobble = ragged * 2.0f * (noise::fractal(px, py, cell, 3, 0, seed) - 0.5f);
    return d + wobble * std::min(1.0f, d / 6.0f);
}

struct Border {
    float solid;     // fully covered up to this distance outside the tile
    float gone;      // no coverage from this distance on
    float ragged;    // amplitude of the border's wobble, pixels
    float cell;      // size of the wobble's lumps
    uint32_t seed;
};

float borderCoverage(int px, int py, const Border& b)
{
    float d = distanceOutsideTile(px, py, b.ragged, b.cell, b.seed);
    return 1.0f - smoothstep(b.solid, b.gone, d);
}

template <typename Surface>
Image tilePicture(Surface surface, const Border& border)
{
    Image image(TilePicture, TilePicture);
    for (int y = 0; y < TilePicture; ++y)
        for (int x = 0; x < TilePicture; ++x) {
            image.at(x, y) = surface(x, y);
            image.coverage(x, y) = borderCoverage(x, y, border);
        }
    return image;
}

Color rubbleAt(int x, int y)
{
    float n = noise::fractal(x, y, 8.0f, 2, Period, 41u);
    Color c = mix(rgb(20, 18, 19), rgb(40, 36, 36), n);
    noise::Cells grit = noise::cells(x, y, 8.0f, Period, 42u);
    if (noise::hash(grit.id, 2, 43u) < 0.4f && grit.nearest < 0.8f + 1.2f * noise::hash(grit.id, 0, 43u))
        c = mix(palette::RockDark, palette::Rock, 0.2f + 0.5f * noise::hash(grit.id, 1, 43u));
    return c;
}

Color mudAt(int x, int y)
{
    float n = noise::fractal(x, y, 12.0f, 3, Period, 51u);
    Color c = mix(palette::Mud, rgb(48, 44, 34), n);
    if (noise::fractal(x, y, 4.0f, 2, Period, 52u) > 0.74f)
        c = mix(c, rgb(44, 60, 54), 0.5f);
    return c;
}

Color fogAt(int x, int y)
{
    float n = noise::fractal(x, y, 16.0f, 3, Period, 61u);
    return mix(rgb(5, 5, 8), rgb(14, 14, 21), n);
}

}

Color dirtAt(int x, int y)
{
    float gx = (dirtHeight(x + 1, y) - dirtHeight(x - 1, y)) * 0.8f;
    float gy = (dirtHeight(x, y + 1) - dirtHeight(x, y - 1)) * 0.8f;
    float tone = noise::fractal(x + 300, y, 32.0f, 4, Period, 14u);
    Color c = mix(palette::DirtDark, palette::DirtLight, 0.2f + 0.6f * tone);
    Pebble pebble = pebbleAt(x, y);
    if (pebble.height > 0.0f)
        c = pebble.tone;
    float damp = noise::fractal(x, y, 8.0f, 2, Period, 16u);
    if (damp > 0.68f)
        c = scale(c, 0.88f);
    float grain = 0.93f + 0.14f * noise::hash(x & (Period - 1), y & (Period - 1), 15u);
    return scale(c, (0.62f + 0.42f * lambert(gx, gy)) * grain);
}

Color rockAt(int x, int y)
{
    float h = rockHeight(x, y);
    float gx = (rockHeight(x + 1, y) - rockHeight(x - 1, y)) * 0.9f;
    float gy = (rockHeight(x, y + 1) - rockHeight(x, y - 1)) * 0.9f;
    float tone = noise::fractal(x, y, 16.0f, 3, Period, 24u);
    Color c = mix(palette::RockDark, palette::RockLight, 0.3f + 0.2f * tone);
    float hollow = 0.6f + 0.4f * std::min(1.0f, h / 4.5f);
    c = scale(c, (0.3f + 0.75f * std::max(0.0f, lambert(gx, gy))) * hollow);
    float grain = 0.94f + 0.12f * noise::hash(x & (Period - 1), y & (Period - 1), 27u);
    return scale(c, grain);
}

Color waterAt(int x, int y)
{
    float depth = noise::fractal(x, y, 32.0f, 3, Period, 31u);
    Color c = mix(palette::Water, palette::WaterDeep, depth);
    float ripple = noise::fractal(x, y * 1.5f, 16.0f, 3, Period, 32u);
    float band = std::fabs(ripple - 0.5f);
    if (band < 0.018f)
        c = mix(c, palette::WaterLight, 0.55f);
    else if (band < 0.04f)
        c = mix(c, palette::WaterLight, 0.18f);
    float glint = noise::hash(x & (Period - 1), y & (Period - 1), 33u);
    if (glint > 0.994f)
        c = mix(c, rgb(200, 230, 225), 0.7f);
    return c;
}

void makeTerrain(const std::string& game)
{
    Image dirt(TilePicture, TilePicture);
    for (int y = 0; y < TilePicture; ++y)
        for (int x = 0; x < TilePicture; ++x) {
            dirt.at(x, y) = dirtAt(x, y);
            dirt.coverage(x, y) = 1.0f;
        }
    writePicture(dirt, dataFileIn(game, DataFile::Dirt), Edge::Hard);

    writePicture(tilePicture(rockAt, {5.0f, 9.0f, 7.0f, 10.0f, 71u}), dataFileIn(game, DataFile::Rock), Edge::Stippled);
    writePicture(tilePicture(waterAt, {3.0f, 8.0f, 5.0f, 14.0f, 72u}), dataFileIn(game, DataFile::Water), Edge::Stippled);
    writePicture(tilePicture(rubbleAt, {7.0f, 28.0f, 6.0f, 8.0f, 73u}), dataFileIn(game, DataFile::RockFade), Edge::Stippled);
    writePicture(tilePicture(mudAt, {9.0f, 27.0f, 6.0f, 10.0f, 74u}), dataFileIn(game, DataFile::WaterFade), Edge::Stippled);
    writePicture(tilePicture(fogAt, {4.0f, 22.0f, 5.0f, 12.0f, 75u}), dataFileIn(game, DataFile::Fog), Edge::Stippled);
}
