#include "game/Settlement.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

using rules::settleTurn;
using rules::TurnHands;

namespace {

using Seats16 = std::array<qint16, 6>;
using Seats64 = std::array<qint64, 6>;

constexpr qint64 Start = 1000;
const Seats64 startScores{Start, Start, Start, Start, Start, Start};

struct Case {
    const char* what;
    int oya, ninzu;
    bool oyaThrown;
    Seats16 values, bets;
    Seats64 change;
};

}  // namespace

TEST(Settlement, WorkedExamplesMoveTheseAmounts)
{
    const Case cases[] = {
        {"banker シゴロ decides", 0, 3, true, {20, 0, 0}, {0, 100, 300}, {800, -200, -600}},
        {"banker ヒフミ pays 2x", 1, 3, true, {0, 60, 0}, {50, 0, 70}, {100, -240, 140}},
        {"banker 3x 1のゾロ目 pays 3x", 0, 4, true, {70, 0, 0, 0}, {0, 10, 20, 30}, {-180, 30, 60, 90}},
        {"banker 5x triple collects 5x", 2, 3, true, {0, 0, 1}, {10, 20, 0}, {-50, -100, 150}},
        {"banker plain triple collects 3x", 0, 2, true, {13, 0}, {0, 10}, {30, -30}},
        {"banker 場外 pays 1x", 0, 2, true, {51, 0}, {0, 10}, {-10, 10}},
        {"two seats, banker 6の目 decides", 1, 2, true, {0, 34}, {40, 0}, {-40, 40}},
        {"equal points tie", 0, 2, false, {37, 37}, {0, 100}, {0, 0}},
        {"player 6の目 beats banker 3の目", 0, 2, false, {37, 34}, {0, 100}, {-100, 100}},
        {"losers pay 1x, ヒフミ 2x", 0, 4, false, {38, 50, 51, 60}, {0, 10, 20, 30}, {90, -10, -20, -60}},
        {"player triples collect 5x and 3x", 0, 3, false, {35, 1, 11}, {0, 10, 10}, {-80, 50, 30}},
        {"player シゴロ collects 2x", 0, 2, false, {34, 20}, {0, 7}, {-14, 14}},
        {"banker 1の目 played out beats 役なし", 0, 3, false, {39, 50, 36}, {0, 10, 10}, {0, -10, 10}},
    };
    const SettingsRecord s;
    for (const Case& c : cases) {
        const rules::Settlement r = settleTurn({c.oya, c.ninzu, c.oyaThrown, c.values, c.bets}, startScores, s);
        for (int seat = 0; seat < 6; ++seat)
            EXPECT_EQ(r.score[seat] - Start, c.change[seat]) << c.what << " seat " << seat;
    }
}

TEST(Settlement, PlayerThreeTimesLossPaysThreeBets)
{
    const rules::Settlement r =
        settleTurn({3, 5, false, {36, 36, 36, 35, 70}, {10, 10, 10, 0, 10}}, startScores, SettingsRecord{});
    const Seats64 expected{Start - 10, Start - 10, Start - 10, Start + 10 + 10 + 10 + 30, Start - 30, Start};
    EXPECT_EQ(r.score, expected);
}

TEST(Settlement, BankerHandPassesTheBankOnlyUnderItsOption)
{
    const struct { int value; int option; } rows[] = {{39, 11}, {50, 10}, {51, 9}, {60, 8}, {70, 8}};
    for (const auto& row : rows) {
        for (int option = 8; option <= 11; ++option) {
            SettingsRecord s;
            s.check(option) = 1;
            for (bool thrown : {false, true}) {
                const rules::Settlement r =
                    settleTurn({0, 2, thrown, {qint16(row.value), 50}, {0, 10}}, startScores, s);
                EXPECT_EQ(r.oyaMustPass, option == row.option) << row.value << " option " << option;
            }
        }
    }
    SettingsRecord all;
    for (int option = 8; option <= 11; ++option)
        all.check(option) = 1;
    for (int value : {0, 1, 5, 11, 16, 20, 34, 35, 38})
        EXPECT_FALSE(settleTurn({0, 2, true, {qint16(value), 0}, {0, 10}}, startScores, all).oyaMustPass) << value;
}

TEST(Settlement, PayFactorTables)
{
    const struct { int value, decided, win, loss; } rows[] = {
        {1, 5, 5, 1},   {5, 5, 5, 1},   {11, 3, 3, 1},  {16, 3, 3, 1},  {20, 2, 2, 1},  {34, 1, 1, 1},
        {35, 0, 1, 1},  {38, 0, 1, 1},  {39, -1, 1, 1}, {50, -1, 1, 1}, {51, -1, 1, 1}, {60, -2, 1, 2},
        {70, -3, 1, 3}, {0, 0, 1, 1},   {17, 0, 1, 1},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(rules::decidedPayFactor(qint16(r.value)), r.decided) << r.value;
        EXPECT_EQ(rules::playerWinPayFactor(qint16(r.value)), r.win) << r.value;
        EXPECT_EQ(rules::playerLossPayFactor(qint16(r.value)), r.loss) << r.value;
    }
}

TEST(Settlement, SeatsOutsideTheGameAndBadBankerSeatsMoveNothing)
{
    const Seats16 values{20, 50, 50, 50, 50, 50};
    const Seats16 bets{0, 10, 10, 10, 10, 10};
    const rules::Settlement three = settleTurn({0, 3, true, values, bets}, startScores, SettingsRecord{});
    EXPECT_EQ(three.score[3], Start);
    EXPECT_EQ(three.score[5], Start);
    for (auto [oya, ninzu] : {std::pair{-1, 6}, {6, 6}, {3, 3}, {0, 0}, {0, -4}, {100, 100}})
        EXPECT_EQ(settleTurn({oya, ninzu, true, values, bets}, startScores, SettingsRecord{}).score, startScores)
            << oya << " " << ninzu;
    // A seat count above 6 is taken as 6.
    EXPECT_EQ(settleTurn({0, 9, true, values, bets}, startScores, SettingsRecord{}).score[0], Start + 100);
}

TEST(Settlement, LargestBetsAndExtremeScoresNeitherOverflowNorLoseSum)
{
    const Seats16 bets{0, 32767, 32767, 32767, 32767, 32767};
    const Seats64 scores{999999, 999999, 999999, 999999, 999999, 999999};
    const rules::Settlement r = settleTurn({0, 6, true, {1}, bets}, scores, SettingsRecord{});
    EXPECT_EQ(r.score[0], 999999 + 5 * 5 * qint64(32767));
    EXPECT_EQ(std::accumulate(r.score.begin(), r.score.end(), qint64(0)), 6 * qint64(999999));

    const qint64 top = std::numeric_limits<qint64>::max();
    const Seats64 edge{top - 5, std::numeric_limits<qint64>::min() + 5, 0, 0, 0, 0};
    const rules::Settlement saturated = settleTurn({0, 2, true, {1}, {0, 9999}}, edge, SettingsRecord{});
    EXPECT_EQ(saturated.score[0], top);
    EXPECT_EQ(saturated.score[1], std::numeric_limits<qint64>::min());
}
