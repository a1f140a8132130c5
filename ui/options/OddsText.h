#pragma once

#include "game/HandOdds.h"

#include <QString>

// Texts of the odds shown to the players.
namespace oddsText {

// A chance in percent, e.g. "12.143%".
QString percent(long double chance);
// The player's expected result per bet and the banker's edge, in one line.
QString expectation(const rules::TurnOdds& odds);
// What a hand pays: "5倍", "1倍", "2倍負け".
QString payFactor(int factor);

}  // namespace oddsText
