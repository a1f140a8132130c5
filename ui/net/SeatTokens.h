#pragma once

#include "net/RoomCode.h"

#include <QString>

#include <optional>

// The seat tokens this player was given, kept in the game's own network settings (never in
// dice.ini) by server address and room code, so that a game started again takes its seat back.
// At most MaxRooms are kept, the oldest forgotten first; a room that has ended is forgotten.
class SeatTokens {
public:
    static constexpr int MaxRooms = 16;
    struct Kept {
        QString token;
        int seat = -1;
    };

    std::optional<Kept> find(const net::Invitation& room) const;
    void keep(const net::Invitation& room, const Kept& kept);
    void forget(const net::Invitation& room);

private:
    static QString key(const net::Invitation& room);
};
