#pragma once

#include "FastRandom.h"
#include "settings/GameSettings.h"

#include <cstdint>

// What the benchmarks play: fast dice and a table of computer seats.

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
