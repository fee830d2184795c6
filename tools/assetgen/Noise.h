#pragma once

#include <cstdint>

// Value noise, fractal sums and cell noise. Every function can wrap with a
// period (in pixels) so that terrain pictures tile without seams; a period
// of 0 means no wrapping.
namespace noise {

// Hash of a lattice point to [0, 1).
float hash(int x, int y, uint32_t seed);

// Smooth value noise in [0, 1); cell is the lattice spacing in pixels.
float value(float x, float y, float cell, int period, uint32_t seed);

// Sum of octaves of value noise, halving the cell each octave, in [0, 1).
float fractal(float x, float y, float cell, int octaves, int period, uint32_t seed);

// The same sum of any noise: octave(cell, seed) gives one octave, the cell
// and the weight halving and the seed stepping by seedStep each octave; in
// the octave's range.
template <typename Octave>
float fractal(float cell, int octaves, uint32_t seed, uint32_t seedStep, Octave octave)
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * octave(cell, seed + seedStep * i);
        total += weight;
        weight *= 0.5f;
        cell *= 0.5f;
    }
    return sum / total;
}

struct Cells {
    float nearest;   // distance to the nearest feature point, pixels
    uint32_t id;     // hash of the nearest cell, to colour cells apart
};

// Jittered-grid cell noise (one feature point per cell of the given size).
Cells cells(float x, float y, float cell, int period, uint32_t seed);

// Per-pixel random threshold in [0, 1), used to stipple soft edges where a
// picture can only be fully drawn or fully masked. White noise: ordered or
// gradient patterns show as hatching along a long fog border.
float stipple(int x, int y);

// 8 x 8 ordered-dither threshold in [0, 1); its period divides a tile's
// side, so dithered tiles stay seamless.
float bayer(int x, int y);

}
