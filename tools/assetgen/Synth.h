#pragma once

#include <vector>

// Sound synthesis at the game's sample rate, in floats in [-1, 1].
namespace synth {

constexpr int Rate = 22050;
using Samples = std::vector<float>;

// Two-pole filter (RBJ biquad) for band-pass, low-pass and high-pass shaping.
class Filter {
public:
    static Filter bandPass(float hz, float q);
    static Filter lowPass(float hz, float q = 0.707f);
    static Filter highPass(float hz, float q = 0.707f);
    float run(float x);

private:
    // The three share their poles, set by the angle's cosine and alpha;
    // only the zeros differ.
    static Filter withZeros(float cosine, float alpha, float b0, float b1, float b2);

    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

Samples silence(float seconds);
// Adds `part` into `into` starting at `at` seconds, growing `into` if needed.
void mixIn(Samples& into, const Samples& part, float at, float gain = 1.0f);

// Scales so that the loudest 20-ms stretch has the given RMS, but never
// lets the peak pass `peak` (full scale = 1).
void balance(Samples& s, float loudness, float peak);

// Raised-cosine fades over the first or last `seconds`: the faded end
// sample is exactly zero, so the sound starts or stops without a click.
void fadeIn(Samples& s, float seconds);
void fadeOut(Samples& s, float seconds);

}
