#pragma once

#include "settings/GameSettings.h"

#include <QString>
#include <QtGlobal>

namespace rules {

// A die that left the bowl; any face outside 1..6 is taken as such.
inline constexpr qint16 OutOfBowlFace = 9;

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
