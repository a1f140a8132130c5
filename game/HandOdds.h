#pragma once

#include "settings/GameSettings.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace rules {

// The random source draws r = k / RandomDrawSteps for a whole k in 0..RandomDrawSteps-1.
inline constexpr qint32 RandomDrawSteps = 1 << 24;

// Chance of each face 1..6 of one die; index 0 holds the chance that it leaves the bowl.
using FaceChances = std::array<long double, 7>;

// The real die: how many of the random source's draws throwFace turns into each face, over all draws.
// Each face comes up about 1/6.001 of the time and the die leaves the bowl about 0.001/6.001.
FaceChances realDieChances();
// A die that never leaves the bowl, each face 1/6.
FaceChances fairDieChances();

// Chance of each hand value 0..70 (only the values of rankHand are ever above 0).
inline constexpr int HandValueCount = 71;
using HandChances = std::array<long double, HandValueCount>;

// One throw of three dice, ranked under the options P_CHECK3, P_CHECK4, P_CHECK5 and P_CHECK12.
HandChances throwChances(const FaceChances& die, const SettingsRecord& settings);

// A seat's final hand when it throws up to nagekai times (at least once) while the hand lets it
// throw again (役なし, and 場外 under P_CHECK12).
HandChances finalHandChances(const HandChances& perThrow, qint32 nagekai, const SettingsRecord& settings);

// A player's expected result per unit bet in one turn against the banker, both throwing hands of
// finalHand: a decisive banker hand (P_CHECK1, P_CHECK2) pays at once, otherwise the two hands compare.
long double playerExpectation(const HandChances& finalHand, const SettingsRecord& settings);
// The mean square of that result per unit bet: with the expectation it gives the Kelly fraction
// of a bankroll worth staking, expectation / mean square, for small edges.
long double playerSecondMoment(const HandChances& finalHand, const SettingsRecord& settings);

// What a hand pays per unit bet: the bets it collects when it wins (positive), or, for the hands
// that can only lose, the bets it pays (negative). Points collect or pay one bet.
int handPayFactor(qint16 value);

// One line of the table of hands, strongest first.
struct HandOddsRow {
    qint16 value = 0;
    QString name;
    long double perThrow = 0;
    long double finalHand = 0;
    int payFactor = 0;
};

// The odds of the rules in settings with the real die, NAGEKAI throws per seat.
struct TurnOdds {
    HandChances perThrow{};
    HandChances finalHand{};
    long double playerExpectation = 0;  // per unit bet, per turn
    long double bankerEdge = 0;         // the banker's expected gain per unit bet a player stakes
    long double playerSecondMoment = 0; // mean square of the player's result per unit bet
    std::vector<HandOddsRow> rows;       // every hand the rules can make
};
TurnOdds turnOdds(const SettingsRecord& settings);

}  // namespace rules
