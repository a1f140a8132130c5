#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The state of a game at the table, owned and changed by TableFlow. Per-seat arrays have six
// elements whatever the seat count.
struct TableState {
    qint16 OyaSeat = 0;        // the banker's seat
    qint16 OyaTurn = 0;        // 1-based turn of the present banker
    qint16 PassCount = 0;      // passes of the bank since the bets were last opened
    qint16 OyaMustPass = 0;    // 1: the bank passes at the end of this turn
    qint32 TurnsLeft = 0;
    qint16 ThrowSeat = 0;      // the seat now throwing
    qint16 OyaThrown = 0;      // 1: the banker's throw settled the turn, no player threw
    qint16 StillThrowing = 0;  // 1: the thrower has no hand yet and may throw again
    qint32 ThrowNo = 0;        // throws of the present thrower in this turn
    qint16 CurYakuValue = 0;   // hand value of the latest throw
    std::array<QString, 7> YakuWord;  // [0] hand name of the latest throw, [1..6] the hand words
    std::array<std::optional<qint64>, 6> P_score{};  // empty once a game is interrupted
    std::array<qint16, 6> P_bet{};
    std::array<qint16, 6> P_lastBet{};
    std::array<qint64, 6> P_lastPayment{};  // what the seat's last turn as a player paid it
    std::array<QString, 6> P_yakuName;
    std::array<qint16, 6> P_yakuValue{};
    std::array<qint16, 3> Dice{};       // faces of the present throw, 1..6 or 9 out of the bowl
    qint16 OutOfBowl = 0;
};
