#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace wave {

namespace {


void put16(FILE* f, int v)
{
    fputc(v & 0xFF, f);
    fputc((v >> 8) & 0xFF, f);
}

void put32(FILE* f, uint32_t v)
{
    put16(f, v & 0xFFFF);
    put16(f, v >> 16);
}

}

Filter Filter::bandPass(float hz, float q)
{
    float w = 2.0f * float(M_PI) * hz / Rate, alpha = std::sin(w) / (2.0f * q);
    Filter f;
    float a0 = 1 + alpha;
    f.b0 = alpha / a0;
    f.b1 = 0;
    f.b2 = -alpha / a0;
    f.a1 = -2 * std::cos(w) / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Filter Filter::lowPass(float hz, float q)
{
    float w = 2.0f * float(M_PI) * hz / Rate, alpha = std::sin(w) / (2.0f * q), c = std::cos(w);
    Filter f;
    float a0 = 1 + alpha;
    f.b0 = (1 - c) / 2 / a0;
    f.b1 = (1 - c) / a0;
    f.b2 = (1 - c) / 2 / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Filter Filter::highPass(float hz, float q)
{
    float w = 2.0f * float(M_PI) * hz / Rate, alpha = std::sin(w) / (2.0f * q), c = std::cos(w);
    Filter f;
    float a0 = 1 + alpha;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = (1 + c) / 2 / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
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

bool write(const std::string& path, const Samples& s)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    uint32_t bytes = static_cast<uint32_t>(s.size() * 2);
    fwrite("RIFF", 1, 4, f);
    put32(f, 36 + bytes);
    fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);
    put16(f, 1);
    put32(f, Rate);
    put32(f, Rate * 2);
    put16(f, 2);
    put16(f, 16);
    fwrite("data", 1, 4, f);
    put32(f, bytes);
    for (float v : s)
        put16(f, static_cast<int>(std::lround(std::max(-1.0f, std::min(1.0f, v)) * 32767.0f)));
    return fclose(f) == 0;
}

}
