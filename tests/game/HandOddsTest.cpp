#include "game/HandOdds.h"

#include "game/DiceFaces.h"
#include "game/HandRanking.h"
#include "game/Settlement.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace rules;

namespace {

constexpr long double Exact = 1e-15L;

SettingsRecord withOptions(std::initializer_list<int> options, qint32 nagekai = 3)
{
    SettingsRecord s;
    s.NAGEKAI = nagekai;
    for (int n : options)
        s.check(n) = 1;
    return s;
}

long double sum(const HandChances& chances) { return std::accumulate(chances.begin(), chances.end(), 0.0L); }

long double allTriples(const HandChances& c) { return c[1] + c[5] + c[11] + c[12] + c[13] + c[14] + c[15] + c[16] + c[70]; }

}  // namespace

TEST(HandOdds, FairDiceGiveTheClosedFormChances)
{
    const struct {
        const char* what;
        std::initializer_list<int> options;
        qint32 nagekai;
        int value;
        long double chance;
        bool finalHand;
    } cases[] = {
        {"役なし in one throw", {}, 3, 50, 1.0L / 2, false},
        {"役なし after three throws", {}, 3, 50, 1.0L / 8, true},
        {"役なし after five throws", {}, 5, 50, 1.0L / 32, true},
        {"役なし after one throw", {}, 1, 50, 1.0L / 2, true},
        {"NAGEKAI 0 still throws once", {}, 0, 50, 1.0L / 2, true},
        {"one triple per throw", {}, 3, 12, 1.0L / 216, false},
        {"6の目 per throw", {}, 3, 34, 15.0L / 216, false},
        {"6の目 within three throws", {}, 3, 34, 15.0L / 216 * 7 / 4, true},
        {"シゴロ within two throws", {}, 2, 20, 6.0L / 216 * 3 / 2, true},
        {"ヒフミ within four throws", {}, 4, 60, 6.0L / 216 * 15 / 8, true},
        {"1-1-1 is the 5x hand", {3}, 3, 1, 1.0L / 216, false},
        {"1-1-1 is the 3x loss", {4}, 3, 70, 1.0L / 216, false},
        {"5x wins over 3x loss for 1-1-1", {3, 4}, 3, 70, 0, false},
        {"5-5-5 is the 5x hand", {5}, 3, 5, 1.0L / 216, false},
        {"5-5-5 is no longer a plain triple", {5}, 3, 15, 0, false},
        {"a fair die never leaves the bowl", {12}, 3, 51, 0, true},
    };
    for (const auto& c : cases) {
        const SettingsRecord s = withOptions(c.options, c.nagekai);
        const HandChances perThrow = throwChances(fairDieChances(), s);
        const HandChances chances = c.finalHand ? finalHandChances(perThrow, c.nagekai, s) : perThrow;
        EXPECT_NEAR(double(chances[c.value]), double(c.chance), double(Exact)) << c.what;
    }
    EXPECT_NEAR(double(allTriples(throwChances(fairDieChances(), SettingsRecord{}))), 6.0 / 216, 1e-15);
}

TEST(HandOdds, RealDieLeavesTheBowlOnceIn6001ThrowsOfADie)
{
    const FaceChances die = realDieChances();
    const long double grid = 1.0L / RandomDrawSteps;
    EXPECT_NEAR(double(die[0]), 0.001 / 6.001, double(grid));
    for (int face = 1; face <= 6; ++face)
        EXPECT_NEAR(double(die[face]), 1 / 6.001, double(grid)) << face;
    EXPECT_NEAR(double(std::accumulate(die.begin(), die.end(), 0.0L)), 1, double(Exact));

    // The borders are those of the face function: the last draw of each face, and the first draw after it.
    qint32 first = 0;
    for (int face = 1; face <= 6; ++face) {
        const qint32 next = first + qint32(std::lround(double(die[face] * RandomDrawSteps)));
        EXPECT_EQ(throwFace(float(next - 1) / RandomDrawSteps), face);
        EXPECT_NE(throwFace(float(next) / RandomDrawSteps), face);
        first = next;
    }

    const long double in = 1 - die[0];
    const HandChances perThrow = throwChances(die, SettingsRecord{});
    EXPECT_NEAR(double(perThrow[51]), double(1 - in * in * in), double(Exact));
}

TEST(HandOdds, FinalHandsSumToOneForEveryNagekaiAndOption)
{
    const std::initializer_list<int> optionSets[] = {{}, {3}, {4}, {5}, {4, 5}, {12}, {3, 12}, {1, 2, 4, 5, 12}};
    for (const auto& options : optionSets)
        for (qint32 nagekai = 1; nagekai <= 5; ++nagekai) {
            const SettingsRecord s = withOptions(options, nagekai);
            const HandChances perThrow = throwChances(realDieChances(), s);
            EXPECT_NEAR(double(sum(perThrow)), 1, double(Exact));
            EXPECT_NEAR(double(sum(finalHandChances(perThrow, nagekai, s))), 1, double(Exact)) << nagekai;
        }
}

TEST(HandOdds, OutOfBowlThrowsAgainOnlyUnderOption12)
{
    const FaceChances die = realDieChances();
    for (qint32 nagekai = 1; nagekai <= 5; ++nagekai) {
        const SettingsRecord plain = withOptions({}, nagekai), again = withOptions({12}, nagekai);
        const HandChances perThrow = throwChances(die, plain);
        const HandChances ends = finalHandChances(perThrow, nagekai, plain);
        const HandChances rethrows = finalHandChances(perThrow, nagekai, again);
        const long double noHand = perThrow[50], out = perThrow[51];
        EXPECT_NEAR(double(ends[51]), double(out * (1 - std::pow(noHand, nagekai)) / (1 - noHand)), double(Exact));
        EXPECT_NEAR(double(rethrows[51]), double(out * std::pow(noHand + out, nagekai - 1)), double(Exact));
    }
}

// With one throw a seat, a turn is one banker throw and one player throw: settling every pair of throws
// with the real settlement must give the same expectation.
TEST(HandOdds, OneThrowExpectationAgreesWithSettlingEveryPairOfThrows)
{
    const std::initializer_list<int> optionSets[] = {{}, {1}, {2}, {1, 2}, {3}, {4}, {5}, {4, 5}, {12}};
    const FaceChances die = realDieChances();
    for (const auto& options : optionSets) {
        const SettingsRecord s = withOptions(options, 1);
        struct Throw { long double chance; qint16 value; };
        std::vector<Throw> throws;
        for (int a = 0; a <= 6; ++a)
            for (int b = 0; b <= 6; ++b)
                for (int c = 0; c <= 6; ++c) {
                    const auto face = [](int i) { return i == 0 ? 9 : i; };
                    throws.push_back({die[a] * die[b] * die[c], rankHand(face(a), face(b), face(c), s).value});
                }
        long double expected = 0;
        for (const Throw& banker : throws) {
            TurnHands turn{0, 2, bankerHandDecides(banker.value, s), {banker.value, 0}, {0, 1}};
            for (const Throw& player : throws) {
                turn.yakuValue[1] = turn.oyaThrown ? 0 : player.value;
                const Settlement result = settleTurn(turn, {}, s);
                expected += banker.chance * player.chance * result.score[1];
            }
        }
        const TurnOdds odds = turnOdds(s);
        EXPECT_NEAR(double(odds.playerExpectation), double(expected), 1e-12) << testing::PrintToString(std::vector<int>(options));
        EXPECT_NEAR(double(odds.bankerEdge), double(-expected), 1e-12);
    }
}

TEST(HandOdds, OptionsMoveTheBankersEdgeTheKnownWay)
{
    // A banker's decisive hand pays or collects with certainty; the same hand of a player counts only
    // when the banker's hand lets the players throw.
    const struct { const char* what; int option; int direction; } cases[] = {
        {"players throw after a banker's 6の目: the banker loses a sure win", 1, -1},
        {"players throw after a banker's 1の目: the banker escapes a sure loss", 2, +1},
        {"1-1-1 paid 5x: the banker collects it more often than it pays it", 3, +1},
        {"1-1-1 lost 3x: the banker throws it more often than a player", 4, -1},
        {"5-5-5 paid 5x: as 1-1-1 paid 5x", 5, +1},
    };
    for (qint32 nagekai = 1; nagekai <= 5; ++nagekai) {
        const long double base = turnOdds(withOptions({}, nagekai)).bankerEdge;
        for (const auto& c : cases) {
            const long double edge = turnOdds(withOptions({c.option}, nagekai)).bankerEdge;
            EXPECT_EQ(edge > base ? 1 : -1, c.direction) << c.what << ", NAGEKAI " << nagekai;
        }
    }
}

TEST(HandOdds, TableListsEveryHandStrongestFirstWithItsNameAndPay)
{
    const TurnOdds odds = turnOdds(withOptions({3, 12}));
    ASSERT_EQ(odds.rows.size(), 16u);
    const struct { size_t row; qint16 value; const char* name; int pay; } cases[] = {
        {0, 1, "1のゾロ目", 5},  {1, 12, "2のゾロ目", 3}, {5, 16, "6のゾロ目", 3}, {6, 20, "シゴロ", 2},
        {7, 34, "6の目", 1},    {12, 39, "1の目", 1},    {13, 50, "役なし", -1},  {14, 51, "場　外", -1},
        {15, 60, "ヒフミ", -2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(odds.rows[c.row].value, c.value) << c.row;
        EXPECT_EQ(odds.rows[c.row].name, QString::fromUtf8(c.name)) << c.row;
        EXPECT_EQ(odds.rows[c.row].payFactor, c.pay) << c.row;
    }
    EXPECT_EQ(handPayFactor(70), -3);
    EXPECT_EQ(handPayFactor(5), 5);
}
