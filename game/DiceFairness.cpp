#include "game/DiceFairness.h"

#include "game/Tally.h"

#include <cmath>
#include <vector>

namespace rules {

namespace {

constexpr long double MinimumExpected = 5;

// Regularised lower incomplete gamma P(a, x) by its series, for x < a + 1.
double lowerGammaSeries(double a, double x)
{
    double term = 1 / a, sum = term;
    for (int n = 1; n < 1000 && std::fabs(term) > std::fabs(sum) * 1e-16; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Regularised upper incomplete gamma Q(a, x) by Lentz's continued fraction, for x >= a + 1.
double upperGammaFraction(double a, double x)
{
    constexpr double Tiny = 1e-300;
    double b = x + 1 - a, c = 1 / Tiny, d = 1 / b, h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::fabs(d) < Tiny ? Tiny : d;
        c = b + an / c;
        c = std::fabs(c) < Tiny ? Tiny : c;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-16)
            break;
    }
    return h * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

}  // namespace

RowCounts expectedRowCounts(const HandChances& finalHand, long long hands)
{
    RowCounts expected{};
    for (int value = 1; value < HandValueCount; ++value) {
        const int row = TallyRow(qint16(value));
        if (row >= FirstHandRow && row <= LastHandRow)
            expected[row] += finalHand[value] * hands;
    }
    return expected;
}

long long handsCounted(const TallySums& counts)
{
    long long hands = 0;
    for (int row = FirstHandRow; row <= LastHandRow; ++row)
        hands += counts[row];
    return hands;
}

FairnessTest diceFairness(const TallySums& counts, const HandChances& finalHand)
{
    FairnessTest test;
    test.hands = handsCounted(counts);
    const RowCounts expected = expectedRowCounts(finalHand, test.hands);

    struct Class { long double observed = 0, expected = 0; };
    std::vector<Class> classes;
    Class pooled;
    for (int row = FirstHandRow; row <= LastHandRow; ++row) {
        Class& into = expected[row] >= MinimumExpected ? classes.emplace_back() : pooled;
        into.observed += counts[row];
        into.expected += expected[row];
    }
    if (pooled.expected > 0 || pooled.observed > 0)
        classes.push_back(pooled);

    test.meaningful = classes.size() >= 2;
    long double statistic = 0;
    for (const Class& c : classes) {
        if (c.expected < MinimumExpected)
            test.meaningful = false;
        else
            statistic += (c.observed - c.expected) * (c.observed - c.expected) / c.expected;
    }
    if (!test.meaningful)
        return test;
    test.degreesOfFreedom = int(classes.size()) - 1;
    test.chiSquare = double(statistic);
    test.pValue = chiSquareUpperTail(test.chiSquare, test.degreesOfFreedom);
    return test;
}

double chiSquareUpperTail(double statistic, int degreesOfFreedom)
{
    if (degreesOfFreedom < 1 || !(statistic > 0))
        return 1;
    const double a = degreesOfFreedom / 2.0, x = statistic / 2;
    return x < a + 1 ? 1 - lowerGammaSeries(a, x) : upperGammaFraction(a, x);
}

}  // namespace rules
