#pragma once

#include <cstdint>

// Small deterministic generator (splitmix64): the same seed gives the same
// art on every machine, unlike rand().
class Rng {
public:
    explicit Rng(uint64_t seed) : state(seed) {}

    uint32_t next()
    {
        state += 0x9E3779B97F4A7C15ull;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }

    float uniform() { return (next() >> 8) * (1.0f / 16777216.0f); }
    float range(float low, float high) { return low + (high - low) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }
    float signedUnit() { return range(-1.0f, 1.0f); }

private:
    uint64_t state;
};
