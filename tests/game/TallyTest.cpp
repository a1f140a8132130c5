#include "game/Tally.h"

#include <gtest/gtest.h>

using rules::countHand;
using rules::TallyRow;

TEST(Tally, EveryHandValueHasItsRow)
{
    const struct { int value, row; } cases[] = {
        {1, 1},   {11, 1},  {70, 1},  {12, 2},  {13, 3},  {14, 4},  {5, 5},   {15, 5},
        {16, 6},  {20, 7},  {34, 8},  {35, 9},  {36, 10}, {37, 11}, {38, 12}, {39, 13},
        {50, 14}, {51, 15}, {60, 16}, {0, 20},  {2, 20},  {17, 20}, {33, 20}, {40, 20},
        {-1, 20}, {32767, 20}, {-32768, 20},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TallyRow(qint16(c.value)), c.row) << c.value;
}

TEST(Tally, DecidedTurnCountsBankerHandAndPlayersWithoutHand)
{
    rules::TallyTable tally{};
    const qint16 values[] = {20, 0, 0};
    for (int seat = 0; seat < 3; ++seat)
        countHand(tally, seat, values[seat]);
    EXPECT_EQ(tally[7][0], 1);
    EXPECT_EQ(tally[20][1], 1);
    EXPECT_EQ(tally[20][2], 1);
    int total = 0;
    for (const auto& row : tally)
        for (qint16 count : row)
            total += count;
    EXPECT_EQ(total, 3);
}

TEST(Tally, SumsCoverSeatsInPlayOnlyAndLeaveRowZero)
{
    rules::TallyTable tally{};
    for (int seat = 0; seat < 6; ++seat)
        for (int times = 0; times <= seat; ++times)
            countHand(tally, seat, 37);
    tally[0][0] = 5;  // never counted by the game; must not reach the sums
    const struct { int ninzu, sum; } cases[] = {{3, 1 + 2 + 3}, {6, 21}, {0, 0}, {-2, 0}, {9, 21}, {1, 1}};
    for (const auto& c : cases) {
        const rules::TallySums sums = rules::tallySums(tally, c.ninzu);
        EXPECT_EQ(sums[11], c.sum) << c.ninzu;
        EXPECT_EQ(sums[0], 0);
        EXPECT_EQ(sums[14], 0);
    }
}

TEST(Tally, CountsAndSumsSaturateAndBadSeatsAreIgnored)
{
    rules::TallyTable tally{};
    for (auto& seat : tally[14])
        seat = 32766;
    countHand(tally, 0, 50);
    countHand(tally, 0, 50);
    EXPECT_EQ(tally[14][0], 32767);
    EXPECT_EQ(rules::tallySums(tally, 6)[14], 32767);

    const rules::TallyTable before = tally;
    for (int seat : {-1, 6, 1000})
        countHand(tally, seat, 50);
    EXPECT_EQ(tally, before);

    rules::TallySums sums = rules::tallySums(tally, 6);
    rules::clearTally(tally, sums);
    EXPECT_EQ(tally, rules::TallyTable{});
    EXPECT_EQ(sums, rules::TallySums{});
}
