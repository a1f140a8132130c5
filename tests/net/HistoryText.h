#pragma once

#include "game/GameHistory.h"

#include <QString>

// A game's history as one line a turn, to compare two participants' histories in a test.
namespace nettest {

inline QString historyText(const GameHistory& history)
{
    QString text = history.names().join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const TurnRecord& turn : history.turns()) {
        text += QStringLiteral("%1 oya %2 %3:").arg(turn.number).arg(turn.banker).arg(turn.settled);
        for (const SeatTurn& seat : turn.seats) {
            text += QStringLiteral(" [");
            for (const std::array<qint16, 3>& faces : seat.throws)
                text += QStringLiteral("%1%2%3 ").arg(faces[0]).arg(faces[1]).arg(faces[2]);
            text += QStringLiteral("%1 %2 %3 %4 %5]").arg(seat.handName).arg(seat.bet).arg(seat.payment).arg(seat.score).arg(seat.reason);
        }
        text += QLatin1Char('\n');
    }
    return text + (history.finished() ? QStringLiteral("over") : QStringLiteral("open"));
}

}  // namespace nettest
