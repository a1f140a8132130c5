#include "ui/net/PlayerName.h"

#include <QtGlobal>

QString playerName(const SettingsRecord& settings, int seat)
{
    const int seats = settings.seatsInPlay();
    if (seat >= 0 && seat < seats && !settings.name(seat).trimmed().isEmpty())
        return settings.name(seat).trimmed();
    for (int s = 0; s < seats; ++s) {
        if (!settings.isComputer(s) && !settings.name(s).trimmed().isEmpty())
            return settings.name(s).trimmed();
    }
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("player") : user;
}
