#pragma once

#include "game/HandOdds.h"
#include "game/Tally.h"

#include <array>

namespace rules {

// Rows of the tally that count thrown hands (row 20 counts seats that did not throw).
inline constexpr int FirstHandRow = 1;
inline constexpr int LastHandRow = 16;

// Expected count of each tally row when `hands` final hands are thrown; rows outside 1..16 stay 0.
using RowCounts = std::array<long double, TallyRows>;
RowCounts expectedRowCounts(const HandChances& finalHand, long long hands);

// The hands thrown in a tally: the sum of rows 1..16.
long long handsCounted(const TallySums& counts);

// Pearson's chi-square test of the counted hands against their chances. Rows expected fewer than
// five times are pooled into one class; the test means something once every class, the pooled one
// too, is expected at least five times and there are at least two classes.
struct FairnessTest {
    bool meaningful = false;
    long long hands = 0;
    int degreesOfFreedom = 0;
    double chiSquare = 0;
    double pValue = 1;  // chance of a statistic at least this large from fair dice
};
FairnessTest diceFairness(const TallySums& counts, const HandChances& finalHand);

// Upper tail of the chi-square distribution: P(X >= statistic) with the given degrees of freedom.
double chiSquareUpperTail(double statistic, int degreesOfFreedom);

}  // namespace rules
