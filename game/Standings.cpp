#include "game/Standings.h"

#include <algorithm>

QList<SeatStanding> standings(const GameHistory& history)
{
    const QList<qint64> scores = history.scores();
    QList<SeatStanding> table;
    for (int seat = 0; seat < history.seats(); ++seat) {
        SeatStanding standing;
        standing.seat = seat;
        standing.name = history.names()[seat];
        standing.score = scores[seat];
        standing.gain = scores[seat] - history.startingScore();
        table.append(standing);
    }
    for (const TurnRecord& turn : history.turns()) {
        if (!turn.settled)
            continue;
        ++table[turn.banker].bankerTurns;
        for (int seat = 0; seat < history.seats(); ++seat) {
            const SeatTurn& seatTurn = turn.seats[seat];
            SeatStanding& standing = table[seat];
            // Lower values are stronger; 0 is a turn without a throw.
            if (seatTurn.handValue > 0 && (standing.bestHand == 0 || seatTurn.handValue < standing.bestHand)) {
                standing.bestHand = seatTurn.handValue;
                standing.bestHandName = seatTurn.handName;
            }
        }
    }
    std::stable_sort(table.begin(), table.end(),
                     [](const SeatStanding& a, const SeatStanding& b) { return a.score > b.score; });
    for (int i = 0; i < table.size(); ++i)
        table[i].rank = i > 0 && table[i].score == table[i - 1].score ? table[i - 1].rank : i + 1;
    return table;
}

QString signedText(qint64 value)
{
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}
