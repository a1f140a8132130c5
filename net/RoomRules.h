#pragma once

#include "settings/GameSettings.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace net {

// The host's settings a room plays with: a snapshot taken when the room is made, within the
// limits of the settings dialog's OK, names cleaned. It is never written to any settings file.
struct RoomRules {
    SettingsRecord settings;

    // The snapshot of the host's settings, normalised as the dialog's OK does.
    static RoomRules fromSettings(const SettingsRecord& hostSettings);
    // Refuses rules that normalising would change, so every window plays exactly what it was sent.
    static std::optional<RoomRules> fromJson(const QJsonObject& object);
    QJsonObject toJson() const;

    // Lower-case hex SHA-256 of the canonical form of everything that decides the game: seat count,
    // SCORE, BETMIN, BETMAX, OYA, LAST, NAGEKAI, the twelve options and the computer's seats.
    QString hash() const;
    QByteArray canonicalForm() const;

    int seats() const { return settings.seatsInPlay(); }
    bool isPersonSeat(int seat) const { return seat >= 0 && seat < seats() && !settings.isComputer(seat); }
};

}  // namespace net
