#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// What one seat did in one turn. A seat that did not throw (the banker's hand decided the turn)
// has no throws and hand value 0.
struct SeatTurn {
    QList<std::array<qint16, 3>> throws;  // faces of each throw, 9 for a die out of the bowl
    qint16 handValue = 0;                 // the hand of the last throw; lower is stronger
    QString handName;
    qint16 bet = 0;       // 0 for the banker
    qint64 payment = 0;   // the change of the seat's score in this turn
    qint64 score = 0;     // the score after the turn
    QString reason;       // a computer seat's reason for its bet, or a computer banker's for keeping the bank
};

// What a network room gave a turn to check its dice with, kept as the room's texts: the hash it
// committed to, the seed it revealed, each seat's contribution (empty for none) and the draws of
// the computer's bets ("123,456"), and what this window gave itself: its seat and its share, which
// the room had to use (not exported: only this window knows it). A table never reads them; they
// are shown and exported.
struct TurnProofRecord {
    QString commitment;
    QString seed;
    QStringList contributions;
    QString betDraws;
    int ownSeat = -1;
    QString ownContribution;
};

// One turn of a game: opened when the dice are thrown, settled when the bets are paid.
struct TurnRecord {
    int number = 0;  // 1-based; a pass of the bank is no turn
    int banker = 0;
    bool settled = false;
    QList<SeatTurn> seats;  // the seats in play, by seat number
};
