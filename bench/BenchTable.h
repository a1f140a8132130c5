#pragma once

#include "settings/GameSettings.h"

#include <cstdint>

// What the benchmarks play: fast dice and a table of computer seats.

// xorshift64*: fast, good enough for dice in a benchmark.
struct FastRandom {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    float next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        const std::uint64_t x = state * 0x2545F4914F6CDD1Dull;
        return float(x >> 40) * 0x1.0p-24f;  // 24 random bits: 0 <= r < 1
    }
};

// Six computer seats with room to play long: a new game every 9999 turns.
inline SettingsRecord sixComputerSeats()
{
    SettingsRecord settings;
    settings.NINZU = 6;
    settings.SCORE = 100000;
    settings.BETMIN = 10;
    settings.BETMAX = 1000;
    settings.OYA = 3;
    settings.LAST = 9999;
    settings.NAGEKAI = 3;
    for (int seat = 0; seat < 6; ++seat)
        settings.flag(seat) = 1;
    return settings;
}
