#include "game/DiceFairness.h"

#include "game/HandOdds.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rules;

namespace {

// Final-hand chances by tally row: 役なし (row 14), 6の目 (row 8), ヒフミ (row 16), 1のゾロ目 (row 1).
HandChances chancesOf(long double noHand, long double six, long double hifumi, long double ones)
{
    HandChances c{};
    c[50] = noHand;
    c[34] = six;
    c[60] = hifumi;
    c[11] = ones;
    return c;
}

TallySums countsOf(int noHand, int six, int hifumi, int ones)
{
    TallySums t{};
    t[14] = qint16(noHand);
    t[8] = qint16(six);
    t[16] = qint16(hifumi);
    t[1] = qint16(ones);
    t[20] = 500;  // seats that did not throw are no hands of the dice
    return t;
}

}  // namespace

TEST(DiceFairness, UpperTailMatchesTheTablesOfTheChiSquareDistribution)
{
    const struct { double statistic; int df; double p; } cases[] = {
        {3.841459, 1, 0.05},  {6.634897, 1, 0.01},   {11.070498, 5, 0.05}, {2.0, 2, std::exp(-1.0)},
        {30.577914, 15, 0.01}, {0.0, 3, 1.0},        {5.0, 0, 1.0},        {200.0, 4, 0.0},
        {0.1, 10, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(chiSquareUpperTail(c.statistic, c.df), c.p, 1e-6) << c.statistic << " df " << c.df;
}

TEST(DiceFairness, FixedTallyGivesItsChiSquareAndPValue)
{
    // 60, 20, 20 against 50, 25, 25: 100/50 + 25/25 + 25/25 = 4 with two degrees of freedom, p = e^-2.
    const FairnessTest test = diceFairness(countsOf(60, 20, 20, 0), chancesOf(0.5L, 0.25L, 0.25L, 0));
    ASSERT_TRUE(test.meaningful);
    EXPECT_EQ(test.hands, 100);
    EXPECT_EQ(test.degreesOfFreedom, 2);
    EXPECT_NEAR(test.chiSquare, 4.0, 1e-12);
    EXPECT_NEAR(test.pValue, std::exp(-2.0), 1e-9);
}

TEST(DiceFairness, RareRowsArePooledAndTheTestWaitsUntilThePoolExpectsFive)
{
    const HandChances chances = chancesOf(0.49L, 0.49L, 0.01L, 0.01L);
    const struct { int noHand, six, hifumi, ones; bool meaningful; int df; double chiSquare; } cases[] = {
        {49, 49, 1, 1, false, 0, 0},        // the pool of ヒフミ and 1のゾロ目 expects 2
        {147, 147, 3, 3, true, 2, 0},       // the pool expects 6 and holds 6
        {141, 147, 12, 0, true, 2, 36 / 147.0 + 36 / 6.0},
        {2, 2, 0, 0, false, 0, 0},          // every row too rare
        {0, 0, 0, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        const FairnessTest test = diceFairness(countsOf(c.noHand, c.six, c.hifumi, c.ones), chances);
        EXPECT_EQ(test.meaningful, c.meaningful) << c.noHand;
        if (!c.meaningful)
            continue;
        EXPECT_EQ(test.degreesOfFreedom, c.df) << c.noHand;
        EXPECT_NEAR(test.chiSquare, c.chiSquare, 1e-9) << c.noHand;
    }
}

TEST(DiceFairness, ExpectedCountsFollowTheTallyRowsOfTheHands)
{
    SettingsRecord s;
    s.NAGEKAI = 3;
    s.P_CHECK4 = 1;  // 1-1-1 counts as 70 but in the row of 1のゾロ目
    const TurnOdds odds = turnOdds(s);
    const RowCounts expected = expectedRowCounts(odds.finalHand, 1000);
    EXPECT_NEAR(double(expected[1]), double(odds.finalHand[70] * 1000), 1e-12);
    EXPECT_NEAR(double(expected[14]), double(odds.finalHand[50] * 1000), 1e-12);
    EXPECT_EQ(expected[20], 0);
    long double total = 0;
    for (long double e : expected)
        total += e;
    EXPECT_NEAR(double(total), 1000, 1e-9);
}
