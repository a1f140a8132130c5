#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QUrl>

#include <optional>

namespace net {

// Six characters of an alphabet without look-alikes (no 0/O, 1/I/L, 2/Z, 5/S, 8/B, U/V).
inline constexpr char RoomCodeAlphabet[] = "34679ACDEFGHJKMNPQRTWXY";
inline constexpr int RoomCodeLength = 6;

// A fresh code; a server uses QRandomGenerator::system(), tests a seeded generator.
QString newRoomCode(QRandomGenerator& random);
bool isRoomCode(const QString& code);

// The invitation line qubrin://host:port/CODE.
struct Invitation {
    QString host;
    quint16 port = 0;
    QString code;

    QString toString() const;
    static std::optional<Invitation> fromString(const QString& line);
    // The WebSocket address a client connects to.
    QUrl socketUrl() const;
};

}  // namespace net
