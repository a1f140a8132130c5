#pragma once

#include "settings/GameSettings.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace rules {

// A die that left the bowl; any face outside 1..6 is taken as such.
inline constexpr qint16 OutOfBowlFace = 9;

// The values of the hands: lower is stronger. They are stored in the table's state, counted in
// the tally and compared in the settlement, so each has its one name here.
namespace HandValue {
inline constexpr qint16 None = 0;            // no hand yet
inline constexpr qint16 OnesPaidFive = 1;    // 1のゾロ目 under option 3
inline constexpr qint16 FivesPaidFive = 5;   // 5のゾロ目 under option 5
inline constexpr qint16 TripleBase = 10;     // n のゾロ目 is TripleBase + n
inline constexpr qint16 Shigoro = 20;
inline constexpr qint16 PointBase = 40;      // n の目 is PointBase - n
inline constexpr qint16 NoHand = 50;
inline constexpr qint16 OutOfBowl = 51;
inline constexpr qint16 Hifumi = 60;
inline constexpr qint16 OnesLoseThree = 70;  // 1のゾロ目 under option 4
}  // namespace HandValue

constexpr qint16 tripleValue(int face) { return qint16(HandValue::TripleBase + face); }
constexpr qint16 pointValue(int face) { return qint16(HandValue::PointBase - face); }
// A triple at its plain value, 11..16 (not the 5x or 3x variants).
constexpr bool isPlainTriple(qint16 value) { return value >= tripleValue(1) && value <= tripleValue(6); }
// The face of a triple at any of its values (the 5x and 3x variants included); 0 for no triple.
constexpr int tripleFace(qint16 value)
{
    switch (value) {
    case HandValue::OnesPaidFive:
    case HandValue::OnesLoseThree:
        return 1;
    case HandValue::FivesPaidFive:
        return 5;
    default:
        return isPlainTriple(value) ? value - HandValue::TripleBase : 0;
    }
}
// A point hand, 6の目 (34) to 1の目 (39).
constexpr bool isPoint(qint16 value) { return value >= pointValue(6) && value <= pointValue(1); }

// The words hand names are made of, as the table keeps them: [0] empty, then the triple and point
// suffixes "のゾロ目" and "の目", then "役なし", "シゴロ", "ヒフミ" and "場　外".
enum HandWord { TripleWord = 1, PointWord, NoHandWord, ShigoroWord, HifumiWord, OutOfBowlWord };
const std::array<QString, 7>& handWords();

// The hand of one throw. Lower values are stronger; 0 stands for "no hand yet".
struct Hand {
    qint16 value = 0;
    QString name;
    bool stillThrowing = false;  // the thrower may throw again (役なし, or 場外 under option 12)
    bool outOfBowl = false;
};

// Ranks three faces under the options P_CHECK3, P_CHECK4, P_CHECK5 and P_CHECK12.
Hand rankHand(int d1, int d2, int d3, const SettingsRecord& settings);

// Colour class of a hand label: blue for triples and シゴロ, red for losing hands, black for points.
enum class HandColour { Black, Blue, Red };
HandColour handColour(qint16 value);

// Whether a banker's hand settles the turn with every player at once, so that no player throws.
// Options P_CHECK1 and P_CHECK2 let the players throw after a banker's 6の目 and 1の目.
bool bankerHandDecides(qint16 value, const SettingsRecord& settings);

}  // namespace rules
