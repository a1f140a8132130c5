#include "game/Tally.h"

#include "game/HandRanking.h"

#include <algorithm>
#include <limits>

namespace rules {

namespace {

// Rows in the order of the tally window: the triples by face (1..6), シゴロ, the points from
// 6の目 to 1の目, 役なし, 場外, ヒフミ; everything else in the hidden row 20.
constexpr int ShigoroRow = 7;
constexpr int SixPointRow = 8;
constexpr int NoHandRow = 14;
constexpr int OutOfBowlRow = 15;
constexpr int HifumiRow = 16;
constexpr int OtherRow = 20;
constexpr qint16 MaxCount = std::numeric_limits<qint16>::max();

}  // namespace

int TallyRow(qint16 value)
{
    if (const int face = tripleFace(value))
        return face;
    if (isPoint(value))
        return SixPointRow + (value - pointValue(6));
    switch (value) {
    case HandValue::Shigoro:
        return ShigoroRow;
    case HandValue::NoHand:
        return NoHandRow;
    case HandValue::OutOfBowl:
        return OutOfBowlRow;
    case HandValue::Hifumi:
        return HifumiRow;
    default:
        return OtherRow;
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
