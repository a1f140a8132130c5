#pragma once

#include "net/ClientMessages.h"
#include "net/Protocol.h"
#include "net/RoomMessages.h"
#include "net/RoomRules.h"

#include <QDeadlineTimer>
#include <QString>
#include <QVector>

#include <variant>

namespace net {

// Who holds each seat of a room: the host's seat, the person seats open to remote players and
// the computer's seats. A participant is the server's number of one connection and holds one
// seat; a seat once held keeps its token, and after a drop it stays reserved for that token
// for the rejoin time.
class RoomSeats {
public:
    RoomSeats(const RoomRules& rules, int hostSeat);

    // The seat a join takes: with a token, the seat it was given for while the seat is kept
    // (BadToken for a token of no seat kept here or of another seat than the asked one, SeatHeld
    // while a live connection holds it); else the asked seat or the first free person's seat,
    // RoomFull when there is none.
    std::variant<int, ErrorCode> seatFor(const JoinMessage& join) const;
    // The participant takes the seat, to be played by `fallback` while it is away; returns the
    // seat's token. `web`: it plays from the phone page.
    QString take(int seat, int participant, const QString& name, rules::Character fallback, bool web = false);
    // The participant's connection is gone; returns its seat, or -1.
    int release(int participant, int rejoinMs);

    int seatOf(int participant) const;
    // The connected participant whose seat has this token, or -1.
    int holderOf(const QString& token) const;
    // -1 when nobody connected holds the seat.
    int participantAt(int seat) const { return m_seats.at(seat).participant; }
    int hostSeat() const { return m_hostSeat; }
    int host() const { return participantAt(m_hostSeat); }
    bool isHeld(int seat) const { return participantAt(seat) >= 0; }
    // A person's seat whose player has gone: the room plays it by the player's fallback.
    bool isDropped(int seat) const;
    rules::Character fallback(int seat) const { return m_seats.at(seat).fallback; }
    QVector<int> participants() const;
    // Who holds each seat; a dropped seat kept for its token says for how long still.
    QVector<SeatInfo> infos() const;

private:
    struct Seat {
        bool computer = false;
        QString name;
        int participant = -1;
        QString token;
        rules::Character fallback = rules::Character::Omakase;
        bool web = false;
        QDeadlineTimer reserved{QDeadlineTimer::Forever};
    };
    bool isFree(int seat) const;

    QVector<Seat> m_seats;
    int m_hostSeat = 0;
};

}  // namespace net
