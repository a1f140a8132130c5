#pragma once

#include "game/Betting.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace rules {

// How a computer seat plays. おまかせ bets as the table always has (a uniform draw between the
// limits) and never passes the bank; the others read the exact odds of the rules in force.
enum class Character : quint8 {
    Omakase,      // おまかせ
    Steady,       // 堅実: small bets, more only when the rules favour the players
    Calculating,  // 計算: the Kelly fraction of its score when the players have the edge, else the minimum
    Bold,         // 強気: large bets, the maximum after a win
    Gambler,      // 博徒: doubles after a loss up to the limit and its score, starts again after a win
};
inline constexpr int CharacterCount = 5;
using SeatCharacters = std::array<Character, 6>;

// The name the table shows: おまかせ, 堅実, 計算, 強気, 博徒.
QString characterName(Character character);
// The name as a player reads it, in the language in force.
QString shownCharacterName(Character character);
// The word a settings file keeps a character by; an unknown word (any text) is おまかせ.
QString characterKey(Character character);
Character characterFromKey(const QString& key);

// What a computer player sees when it bets.
struct BetView {
    long double playerExpectation = 0;   // exact, per unit bet and turn, under the rules in force
    long double playerSecondMoment = 1;  // mean square of that result
    qint64 score = 0;
    qint16 lastBet = 0;       // its bet in its last turn as a player in this game; 0 for none
    qint64 lastPayment = 0;   // what that turn paid it (negative: it lost)
    BetLimits limits;
    float draw = 0;           // a uniform 0 <= r < 1, drawn for every computer player as always
};

// Why a decision was made, as codes and numbers (a network room carries these, never the text);
// reasonText makes the line a player reads, "計算: 期待値 −1.03% → 最低額 10".
enum class Motive : quint8 {
    None,             // no decision (a person, or the banker's bet)
    Random,           // おまかせ: a uniform draw
    Small,            // 堅実: the lowest quarter of the span
    Larger,           // 堅実: the second quarter, the players being favoured
    Minimum,          // 計算: the players have no edge
    NoScore,          // 計算: nothing to stake a share of
    Kelly,            // 計算: `share` of its score
    Large,            // 強気: the upper half of the span
    AfterWin,         // 強気: the maximum after a win
    First,            // 博徒: its first bet of the game
    Restart,          // 博徒: the starting stake again after a win
    Same,             // 博徒: the same stake after a drawn turn
    Double,           // 博徒: twice `lastBet` after a loss
    DoubleToLimit,    // 博徒: twice `lastBet` would pass the maximum
    DoubleToScore,    // 博徒: twice `lastBet` would pass its score
    KeepBank,         // a banker keeping the bank at the banker's edge `share`
    PassBank,         // a banker passing it
};

struct Reason {
    Character character = Character::Omakase;
    Motive motive = Motive::None;
    double share = 0;  // the expectation, the banker's edge or the Kelly fraction it acted on
    qint16 bet = 0;
    qint16 lastBet = 0;
    bool operator==(const Reason&) const = default;
};
// Empty for Motive::None.
QString reasonText(const Reason& reason);

struct BetDecision {
    qint16 bet = 0;
    Reason reason;
};
struct PassDecision {
    bool pass = false;
    Reason reason;  // Motive::None for おまかせ, which never considers a pass
};

// Any view gives a bet within the limits; おまかせ's is randomBet(draw, limits).
BetDecision decideBet(Character character, const BetView& view);
// おまかせ: the table's uniform random bet; it needs no odds.
inline BetDecision randomBet(float draw, const BetLimits& limits)
{
    const qint16 bet = computerBet(draw, limits);
    return {bet, {Character::Omakase, Motive::Random, 0, bet, 0}};
}
// A computer banker offered ｽﾙｰ, by the banker's exact edge per unit a player stakes.
PassDecision decidePass(Character character, long double bankerEdge);

// A share as the reasons write it: "+1.03%", "−0.61%" (a true minus sign), two decimals.
QString percentText(long double share);

}  // namespace rules
