#pragma once

#include "settings/GameSettings.h"

#include <QtGlobal>

#include <array>

namespace rules {

// What a turn's throws left on the table, per seat 0..5.
struct TurnHands {
    int oyaSeat = 0;
    int ninzu = 0;            // seats in play, 0..NINZU-1
    bool oyaThrown = false;   // the banker's hand settled every player at once
    std::array<qint16, 6> yakuValue{};  // 0 for a seat that did not throw
    std::array<qint16, 6> bet{};        // 0 for the banker
};

struct Settlement {
    std::array<qint64, 6> score{};
    bool oyaMustPass = false;  // the banker's hand passes the bank; when false OyaMustPass stays as it was
};

// Pays every player against the banker and decides whether the banker's hand passes the bank
// (options P_CHECK8..P_CHECK11). Seats outside the game keep their scores. A banker seat outside
// 0..ninzu-1 moves nothing.
Settlement settleTurn(const TurnHands& turn, const std::array<qint64, 6>& score,
                      const SettingsRecord& settings);

// PayFactor when the banker's throw decided the turn: positive, the banker collects from each player.
int decidedPayFactor(qint16 bankerValue);
// PayFactor when a player beats the banker: the player collects this many bets.
int playerWinPayFactor(qint16 playerValue);
// PayFactor when the banker beats a player: the player pays this many bets.
int playerLossPayFactor(qint16 playerValue);

}  // namespace rules
