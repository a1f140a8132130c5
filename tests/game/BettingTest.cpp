#include "game/Betting.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

using rules::BetLimits;
using rules::betLimits;
using rules::computerBet;
using rules::firstOffer;
using rules::shapeBet;

TEST(Betting, ShapingGoesUpToTheNextMultipleWithHalvesToEven)
{
    const struct { int base, bet; } cases[] = {
        {0, 0},      {1, 10},     {15, 20},      {20, 20},      {30, 40},      {55, 60},      {990, 1000},
        {999, 1000}, {1000, 1000}, {1049, 1100}, {1100, 1200}, {9800, 9800}, {9900, 9999}, {9999, 9999},
    };
    const BetLimits wide = betLimits(0, 9999);
    for (const auto& c : cases)
        EXPECT_EQ(shapeBet(c.base, wide), c.bet) << c.base;
    EXPECT_EQ(shapeBet(55, betLimits(0, 57)), 57);
}

TEST(Betting, FirstOfferIsTheShapedMiddle)
{
    const struct { int min, max, offer; } cases[] = {
        {10, 100, 60}, {100, 1000, 560}, {1, 9999, 5000}, {0, 5, 5}, {0, 0, 0}, {9999, 9999, 9999},
    };
    for (const auto& c : cases)
        EXPECT_EQ(firstOffer(betLimits(c.min, c.max)), c.offer) << c.min << ".." << c.max;
}

TEST(Betting, ComputerBetsFrom10To100AreTwentyToHundredNeverTen)
{
    const BetLimits limits = betLimits(10, 100);
    std::set<int> seen;
    for (int k = 0; k < 100000; ++k)
        seen.insert(computerBet(float(k / 100000.0), limits));
    EXPECT_EQ(seen, (std::set<int>{20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(computerBet(0.0f, limits), 20);
    EXPECT_EQ(computerBet(0.99999f, limits), 100);
}

TEST(Betting, HostileLimitsAreClampedBeforeUse)
{
    const struct { qint32 min, max; int usedMin, usedMax; } cases[] = {
        {-5, 100, 0, 100},           {10, 40000, 10, 9999},      {INT_MAX, INT_MAX, 9999, 9999},
        {INT_MIN, INT_MIN, 0, 0},    {500, 100, 100, 100},       {-100, -50, 0, 0},
        {40000, 20, 20, 20},         {INT_MIN, INT_MAX, 0, 9999}, {32768, 32767, 9999, 9999},
    };
    for (const auto& c : cases) {
        const BetLimits limits = betLimits(c.min, c.max);
        EXPECT_EQ(limits.min, c.usedMin) << c.min << ".." << c.max;
        EXPECT_EQ(limits.max, c.usedMax) << c.min << ".." << c.max;
        auto within = [&](int bet) { return bet >= c.usedMin && bet <= c.usedMax; };
        EXPECT_TRUE(within(firstOffer(limits))) << c.min << ".." << c.max;
        for (float r : {0.0f, 0.25f, 0.5f, 0.9999f, -1.0f, 3.0f})
            EXPECT_TRUE(within(computerBet(r, limits))) << c.min << ".." << c.max << " r " << r;
        for (qint64 base : {qint64(-1), qint64(0), qint64(9999), qint64(LLONG_MAX), qint64(LLONG_MIN)})
            EXPECT_TRUE(within(shapeBet(base, limits))) << c.min << ".." << c.max << " base " << base;
    }
}

TEST(Betting, HandMadeLimitsOutOfOrderStillGiveABetWithinRange)
{
    const BetLimits bad{qint16(-300), qint16(-500)};
    for (float r : {0.0f, 0.5f, 0.99f}) {
        const qint16 bet = computerBet(r, bad);
        EXPECT_TRUE(bet >= 0 && bet <= 9999) << r;
    }
    EXPECT_EQ(shapeBet(50, BetLimits{qint16(32767), qint16(32767)}), 9999);
}
