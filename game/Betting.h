#pragma once

#include <QtGlobal>

namespace rules {

// Bet limits as they are used: both within 0..9999 and min <= max, whatever the settings hold,
// so that every bet fits 16 bits and the bet scroll bars.
struct BetLimits {
    qint16 min = 0;
    qint16 max = 0;
};

inline constexpr qint16 MaxBetLimit = 9999;

BetLimits betLimits(qint32 betMin, qint32 betMax);

// A bet shaped from its base: up to a multiple of 10 (of 100 above 999), halves to even, cut to
// the maximum. Any base gives a bet within the limits.
qint16 shapeBet(qint64 base, const BetLimits& limits);

// A computer seat's bet from a uniform draw 0 <= r < 1.
qint16 computerBet(float r, const BetLimits& limits);

// The bet offered to a person who has not bet yet in this game: the shaped middle of the limits.
qint16 firstOffer(const BetLimits& limits);

}  // namespace rules
