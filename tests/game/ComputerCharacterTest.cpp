#include "game/ComputerCharacter.h"
#include "game/HandOdds.h"

#include <gtest/gtest.h>

namespace {

using rules::Character;
using rules::Motive;

// The three rule sets the characters are checked under: dice.ini's plain game, one throw (the
// players' house: the banker's 役なし pays them at once) and options 4, 5 and 12.
enum RuleSet { Plain, OneThrow, Options4512 };

const rules::TurnOdds& oddsOf(RuleSet set)
{
    static const std::array<rules::TurnOdds, 3> odds = [] {
        std::array<rules::TurnOdds, 3> all;
        for (int set = 0; set < 3; ++set) {
            SettingsRecord s;
            s.NAGEKAI = set == OneThrow ? 1 : 3;
            if (set == Options4512)
                s.P_CHECK4 = s.P_CHECK5 = s.P_CHECK12 = 1;
            all[size_t(set)] = rules::turnOdds(s);
        }
        return all;
    }();
    return odds[size_t(set)];
}

rules::BetView view(RuleSet set, qint64 score, qint16 lastBet, qint64 lastPayment, qint32 min, qint32 max, float draw)
{
    const rules::TurnOdds& odds = oddsOf(set);
    return {odds.playerExpectation, odds.playerSecondMoment, score, lastBet, lastPayment,
            rules::betLimits(min, max), draw};
}

}  // namespace

TEST(ComputerCharacter, TheOddsACharacterReadsAreTheExactOnesOfItsRules)
{
    EXPECT_NEAR(double(oddsOf(Plain).playerExpectation), -0.010302, 5e-7);
    EXPECT_NEAR(double(oddsOf(OneThrow).playerExpectation), 0.301194, 5e-7);
    EXPECT_NEAR(double(oddsOf(Options4512).playerExpectation), 0.006058, 5e-7);
    // A result of at least one bet happens in most turns and a triple pays three: the mean square
    // lies between the chance of a decided turn and nine.
    for (RuleSet set : {Plain, OneThrow, Options4512}) {
        EXPECT_GT(oddsOf(set).playerSecondMoment, 0.5L) << set;
        EXPECT_LT(oddsOf(set).playerSecondMoment, 9.0L) << set;
    }
}

TEST(ComputerCharacter, EachCharacterBetsByItsStyleWithinTheLimits)
{
    const struct {
        Character character;
        RuleSet rules;
        qint64 score;
        qint16 lastBet;
        qint64 lastPayment;
        qint32 min, max;
        float draw;
        int bet;
        Motive motive;
    } cases[] = {
        // おまかせ is the table's random bet.
        {Character::Omakase, Plain, 500, 0, 0, 10, 100, 0.5f, 60, Motive::Random},
        {Character::Omakase, OneThrow, -40, 30, 60, 10, 100, 0.0f, 20, Motive::Random},
        // 堅実: the lowest quarter, the second when the players are favoured.
        {Character::Steady, Plain, 500, 0, 0, 10, 100, 0.0f, 20, Motive::Small},
        {Character::Steady, Plain, 500, 0, 0, 10, 100, 0.99f, 40, Motive::Small},
        {Character::Steady, OneThrow, 500, 0, 0, 10, 100, 0.0f, 40, Motive::Larger},
        {Character::Steady, Options4512, 500, 0, 0, 10, 100, 0.99f, 60, Motive::Larger},
        {Character::Steady, Plain, 500, 0, 0, 0, 5, 0.0f, 0, Motive::Small},
        // 計算: the minimum against the odds or without a score, else its Kelly share.
        {Character::Calculating, Plain, 500, 0, 0, 10, 100, 0.7f, 10, Motive::Minimum},
        {Character::Calculating, Plain, 500, 0, 0, 0, 100, 0.7f, 0, Motive::Minimum},
        {Character::Calculating, OneThrow, 500, 0, 0, 10, 100, 0.7f, 100, Motive::Kelly},
        {Character::Calculating, OneThrow, 100, 0, 0, 10, 100, 0.7f, 20, Motive::Kelly},
        {Character::Calculating, OneThrow, 0, 0, 0, 10, 100, 0.7f, 10, Motive::NoScore},
        {Character::Calculating, OneThrow, -300, 0, 0, 10, 100, 0.7f, 10, Motive::NoScore},
        {Character::Calculating, Options4512, 500, 0, 0, 10, 100, 0.7f, 10, Motive::Kelly},
        {Character::Calculating, Options4512, 999999, 0, 0, 10, 9999, 0.7f, 2900, Motive::Kelly},
        // 強気: the upper half, the maximum after a win.
        {Character::Bold, Plain, 500, 0, 0, 10, 100, 0.0f, 60, Motive::Large},
        {Character::Bold, Plain, 500, 40, -40, 10, 100, 0.99f, 100, Motive::Large},
        {Character::Bold, Plain, 500, 40, 40, 10, 100, 0.0f, 100, Motive::AfterWin},
        {Character::Bold, Plain, -500, 40, 0, 0, 5, 0.0f, 5, Motive::Large},
        // 博徒: doubles after a loss up to the maximum and its score, starts again after a win.
        {Character::Gambler, Plain, 500, 0, 0, 10, 100, 0.3f, 10, Motive::First},
        {Character::Gambler, Plain, 500, 20, -20, 10, 100, 0.3f, 40, Motive::Double},
        {Character::Gambler, Plain, 500, 80, -160, 10, 100, 0.3f, 100, Motive::DoubleToLimit},
        {Character::Gambler, Plain, 60, 40, -40, 10, 100, 0.3f, 60, Motive::DoubleToScore},
        {Character::Gambler, Plain, -100, 20, -20, 10, 100, 0.3f, 10, Motive::DoubleToScore},
        {Character::Gambler, Plain, 500, 40, 40, 10, 100, 0.3f, 10, Motive::Restart},
        {Character::Gambler, Plain, 500, 30, 0, 10, 100, 0.3f, 30, Motive::Same},
        {Character::Gambler, Plain, 500, 0, 0, 0, 5, 0.3f, 5, Motive::First},
        {Character::Gambler, Plain, 500, 0, 0, 0, 100, 0.3f, 10, Motive::First},
        // BETMIN above BETMAX, as a file may hold: both limits are BETMAX.
        {Character::Steady, OneThrow, 500, 0, 0, 500, 100, 0.5f, 100, Motive::Larger},
        {Character::Calculating, Plain, 500, 0, 0, 500, 100, 0.5f, 100, Motive::Minimum},
        {Character::Bold, Plain, 500, 0, 0, 500, 100, 0.5f, 100, Motive::Large},
        {Character::Gambler, Plain, 500, 100, -100, 500, 100, 0.5f, 100, Motive::DoubleToLimit},
    };
    for (const auto& c : cases) {
        const rules::BetDecision decision =
            rules::decideBet(c.character, view(c.rules, c.score, c.lastBet, c.lastPayment, c.min, c.max, c.draw));
        const QString label = rules::characterName(c.character) + QStringLiteral(" rules %1 score %2 last %3/%4 limits %5..%6")
                                                                       .arg(c.rules).arg(c.score).arg(c.lastBet)
                                                                       .arg(c.lastPayment).arg(c.min).arg(c.max);
        EXPECT_EQ(decision.bet, c.bet) << label.toStdString();
        EXPECT_EQ(decision.reason.motive, c.motive) << label.toStdString();
        EXPECT_EQ(decision.reason.bet, decision.bet) << label.toStdString();
    }
}

TEST(ComputerCharacter, EveryBetStaysWithinTheLimitsWhateverItSees)
{
    const qint64 scores[] = {std::numeric_limits<qint64>::min(), -1, 0, 7, 500, std::numeric_limits<qint64>::max()};
    const qint16 lastBets[] = {-5, 0, 10, 9999};
    const qint64 payments[] = {-30000, 0, 30000};
    const std::pair<qint32, qint32> limits[] = {{10, 100}, {0, 0}, {0, 5}, {500, 100}, {9999, 9999}, {-5, 40000}};
    for (int c = 0; c < rules::CharacterCount; ++c)
        for (RuleSet set : {Plain, OneThrow, Options4512})
            for (qint64 score : scores)
                for (qint16 lastBet : lastBets)
                    for (qint64 payment : payments)
                        for (const auto& [min, max] : limits)
                            for (float draw : {0.0f, 0.5f, 0.99999f, -1.0f, 2.0f}) {
                                const rules::BetLimits used = rules::betLimits(min, max);
                                const qint16 bet =
                                    rules::decideBet(Character(c), view(set, score, lastBet, payment, min, max, draw)).bet;
                                ASSERT_GE(bet, used.min) << c << " " << score << " " << min << ".." << max;
                                ASSERT_LE(bet, used.max) << c << " " << score << " " << min << ".." << max;
                            }
}

TEST(ComputerCharacter, ABankerPassesTheBankByTheBankersEdgeAndItsStyle)
{
    const long double plain = oddsOf(Plain).bankerEdge;          // +1.03 %
    const long double oneThrow = oddsOf(OneThrow).bankerEdge;    // −30.12 %
    const long double options = oddsOf(Options4512).bankerEdge;  // −0.61 %
    const struct {
        Character character;
        long double edge;
        Motive motive;
    } cases[] = {
        {Character::Omakase, oneThrow, Motive::None},       {Character::Steady, plain, Motive::KeepBank},
        {Character::Steady, 0.003L, Motive::PassBank},      {Character::Steady, options, Motive::PassBank},
        {Character::Calculating, plain, Motive::KeepBank},  {Character::Calculating, 0.003L, Motive::KeepBank},
        {Character::Calculating, options, Motive::PassBank}, {Character::Bold, options, Motive::KeepBank},
        {Character::Bold, oneThrow, Motive::PassBank},      {Character::Gambler, oneThrow, Motive::KeepBank},
    };
    for (const auto& c : cases) {
        const rules::PassDecision decision = rules::decidePass(c.character, c.edge);
        EXPECT_EQ(decision.reason.motive, c.motive) << int(c.character) << " " << double(c.edge);
        EXPECT_EQ(decision.pass, c.motive == Motive::PassBank) << int(c.character) << " " << double(c.edge);
    }
}

TEST(ComputerCharacter, AReasonIsOneLineSayingWhatItSawAndWhatItDid)
{
    const auto bet = [](Character c, RuleSet set, qint64 score, qint16 lastBet, qint64 payment) {
        return rules::reasonText(rules::decideBet(c, view(set, score, lastBet, payment, 10, 100, 0.0f)).reason);
    };
    EXPECT_EQ(bet(Character::Calculating, Plain, 500, 0, 0), QStringLiteral("計算: 期待値 −1.03% → 最低額 10"));
    EXPECT_EQ(bet(Character::Steady, OneThrow, 500, 0, 0), QStringLiteral("堅実: 期待値 +30.12% → やや多め 40"));
    EXPECT_EQ(bet(Character::Gambler, Plain, 500, 80, -80), QStringLiteral("博徒: 負け 80 の倍 → 上限 100"));
    EXPECT_EQ(bet(Character::Bold, Plain, 500, 20, 20), QStringLiteral("強気: 前回勝ち → 上限 100"));
    EXPECT_EQ(bet(Character::Omakase, Plain, 500, 0, 0), QStringLiteral("おまかせ: 運まかせ → 20"));
    EXPECT_EQ(rules::reasonText(rules::decidePass(Character::Steady, oddsOf(Options4512).bankerEdge).reason),
              QStringLiteral("堅実: 親の有利 −0.61% → ｽﾙｰ"));
    EXPECT_EQ(rules::reasonText(rules::decidePass(Character::Omakase, -0.5L).reason), QString());
    EXPECT_EQ(rules::percentText(-0.00004L), QStringLiteral("±0.00%"));
}

TEST(ComputerCharacter, AFileKeepsACharacterByItsWordAndAnyOtherWordIsOmakase)
{
    for (int c = 0; c < rules::CharacterCount; ++c)
        EXPECT_EQ(rules::characterFromKey(rules::characterKey(Character(c))), Character(c)) << c;
    for (const char* word : {"", "Steady", " steady", "計算", "gambler ", "5"})
        EXPECT_EQ(rules::characterFromKey(QString::fromUtf8(word)), Character::Omakase) << word;
}
