#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

// A frequency's angle at the sample rate, and the cookbook's alpha for a Q.
struct Angle {
    float cos, alpha;
};

Angle angleOf(float hz, float q)
{
    float w = 2.0f * float(M_PI) * hz / Rate;
    return {std::cos(w), std::sin(w) / (2.0f * q)};
}

}

Filter Filter::withZeros(float cosine, float alpha, float b0, float b1, float b2)
{
    Filter f;
    float a0 = 1 + alpha;
    f.b0 = b0 / a0;
    f.b1 = b1 / a0;
    f.b2 = b2 / a0;
    f.a1 = -2 * cosine / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Filter Filter::bandPass(float hz, float q)
{
    Angle a = angleOf(hz, q);
    return withZeros(a.cos, a.alpha, a.alpha, 0, -a.alpha);
}

Filter Filter::lowPass(float hz, float q)
{
    Angle a = angleOf(hz, q);
    return withZeros(a.cos, a.alpha, (1 - a.cos) / 2, 1 - a.cos, (1 - a.cos) / 2);
}

Filter Filter::highPass(float hz, float q)
{
    Angle a = angleOf(hz, q);
    return withZeros(a.cos, a.alpha, (1 + a.cos) / 2, -(1 + a.cos), (1 + a.cos) / 2);
}

float Filter::run(float x)
{
    float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

Samples silence(float seconds) { return Samples(static_cast<size_t>(seconds * Rate), 0.0f); }

void mixIn(Samples& into, const Samples& part, float at, float gain)
{
    size_t start = static_cast<size_t>(std::max(0.0f, at) * Rate);
    if (into.size() < start + part.size())
        into.resize(start + part.size(), 0.0f);
    for (size_t i = 0; i < part.size(); ++i)
        into[start + i] += part[i] * gain;
}

void balance(Samples& s, float loudness, float peak)
{
    const size_t window = Rate / 50;
    float loudest = 0.0f, top = 0.0f;
    for (size_t start = 0; start < s.size(); start += window / 2) {
        double sum = 0.0;
        size_t end = std::min(s.size(), start + window);
        for (size_t i = start; i < end; ++i)
            sum += s[i] * s[i];
        loudest = std::max(loudest, float(std::sqrt(sum / window)));
    }
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (loudest <= 0.0f || top <= 0.0f)
        return;
    float gain = std::min(loudness / loudest, peak / top);
    for (float& v : s)
        v *= gain;
}

namespace {

float rise(size_t i, size_t n) { return 0.5f - 0.5f * std::cos(float(M_PI) * float(i) / float(n)); }

size_t span(const Samples& s, float seconds) { return std::min(s.size(), static_cast<size_t>(seconds * Rate)); }

}

void fadeIn(Samples& s, float seconds)
{
    size_t n = span(s, seconds);
    for (size_t i = 0; i < n; ++i)
        s[i] *= rise(i, n);
}

void fadeOut(Samples& s, float seconds)
{
    size_t n = span(s, seconds);
    for (size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *= rise(i, n);
}

}
