#pragma once

#include <QtGlobal>

#include <array>

namespace rules {

inline constexpr int TallyRows = 21;
using TallyTable = std::array<std::array<qint16, 6>, TallyRows>;  // [row][seat]
using TallySums = std::array<qint16, TallyRows>;

// Row of the tally a hand value is counted in: 1..16 for the hands, 20 for no hand (0) and any
// value that is not a hand. The 5x and 3x variants share the row of their plain triple.
int TallyRow(qint16 value);

// Counts a seat's final hand of a turn. Seats outside 0..5 are ignored; a count stops at 32767.
void countHand(TallyTable& tally, int seat, qint16 value);

// Every count and every sum back to 0.
void clearTally(TallyTable& tally, TallySums& sums);

// Per-row sums over the seats in play, 0..ninzu-1 (ninzu taken within 0..6), for rows 1..20;
// row 0 is never counted and stays 0. A sum stops at 32767.
TallySums tallySums(const TallyTable& tally, int ninzu);

}  // namespace rules
