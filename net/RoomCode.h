#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QUrl>

#include <optional>

namespace net {

// Six characters of an alphabet without look-alikes (no 0/O, 1/I/L, 2/Z, 5/S, 8/B, U/V).
inline constexpr char RoomCodeAlphabet[] = "34679ACDEFGHJKMNPQRTWXY";
inline constexpr int RoomCodeLength = 6;

// A fresh code; a server uses QRandomGenerator::system(), tests a seeded generator. With a tag
// (a character of the alphabet) every code starts with it, so that a balancer in front of several
// servers can tell from the code which one holds the room.
QString newRoomCode(QRandomGenerator& random, QChar tag = {});
bool isRoomCode(const QString& code);
bool isRoomCodeTag(QChar tag);

// The invitation line qubrin://host:port/CODE, or qubrins://host:port/CODE for a room on a server
// that speaks TLS.
struct Invitation {
    QString host;
    quint16 port = 0;
    QString code;
    bool secure = false;

    QString toString() const;
    static std::optional<Invitation> fromString(const QString& line);
    // The WebSocket address a client connects to: ws:// or wss://, the code as its path.
    QUrl socketUrl() const;
};

}  // namespace net
