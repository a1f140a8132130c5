#pragma once

#include <cstdint>

// xorshift64*: fast, good enough for dice in a benchmark; 24 random bits a draw, 0 <= r < 1, as
// the game's random source gives.
struct FastRandom {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    float next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        const std::uint64_t x = state * 0x2545F4914F6CDD1Dull;
        return float(x >> 40) * 0x1.0p-24f;
    }
};
