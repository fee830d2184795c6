#pragma once

#include <cstdint>

// The test drivers' own random numbers (splitmix64), so that driving the
// game never draws from rand() and the game's own sequence stays its own.
class Prng {
public:
    explicit Prng(uint64_t seed) : state(seed) {}

    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number in [low, high], both included.
    int between(int low, int high) { return low + static_cast<int>(next() % static_cast<uint64_t>(high - low + 1)); }
    // True with the given chance, 0.0 to 1.0.
    bool chance(double p) { return static_cast<double>(next() >> 11) * 0x1.0p-53 < p; }

private:
    uint64_t state;
};
