#include "game/Tally.h"

#include <algorithm>
#include <limits>

namespace rules {

namespace {

constexpr int NoHandRow = 20;
constexpr qint16 MaxCount = std::numeric_limits<qint16>::max();

}  // namespace

int TallyRow(qint16 value)
{
    switch (value) {
    case 1:
    case 11:
    case 70:
        return 1;
    case 5:
    case 15:
        return 5;
    case 12:
    case 13:
    case 14:
    case 16:
        return value - 10;
    case 20:
        return 7;
    case 34:
    case 35:
    case 36:
    case 37:
    case 38:
    case 39:
        return value - 26;
    case 50:
        return 14;
    case 51:
        return 15;
    case 60:
        return 16;
    default:
        return NoHandRow;
    }
}

void countHand(TallyTable& tally, int seat, qint16 value)
{
    if (seat < 0 || seat >= 6)
        return;
    qint16& count = tally[TallyRow(value)][seat];
    if (count < MaxCount)
        ++count;
}

void clearTally(TallyTable& tally, TallySums& sums)
{
    tally = {};
    sums = {};
}

TallySums tallySums(const TallyTable& tally, int ninzu)
{
    const int seats = std::clamp(ninzu, 0, 6);
    TallySums sums{};
    for (int row = 1; row < TallyRows; ++row) {
        int sum = 0;
        for (int seat = 0; seat < seats; ++seat)
            sum += tally[row][seat];
        sums[row] = qint16(std::clamp<int>(sum, 0, MaxCount));
    }
    return sums;
}

}  // namespace rules
