#pragma once

#include "game/GameHistory.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// Where a seat stands after the settled turns of a game.
struct SeatStanding {
    int seat = 0;
    QString name;
    int rank = 0;          // 1 for the highest score; equal scores share a rank (1, 1, 3)
    qint64 score = 0;
    qint64 gain = 0;       // against the starting score
    int bankerTurns = 0;   // settled turns in which the seat held the bank
    qint16 bestHand = 0;   // the strongest hand that ended one of its turns; 0: none yet
    QString bestHandName;
};

// Every seat of the game, best first; seats of equal score in seat order.
QList<SeatStanding> standings(const GameHistory& history);

// A score change as players read it: "+120", "-80", "0".
QString signedText(qint64 value);
