#include "ui/net/SeatTokens.h"

#include "net/Protocol.h"
#include "ui/net/RoomAddress.h"

#include <QDateTime>
#include <QSettings>

#include <algorithm>
#include <memory>

namespace {

constexpr const char* Group = "seatTokens";

// The tokens in the game's network settings, beside and apart from dice.ini.
std::unique_ptr<QSettings> tokenSettings()
{
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qubrin"),
                                                QStringLiteral("network"));
    settings->beginGroup(QLatin1String(Group));
    return settings;
}

bool isToken(const QString& text)
{
    return text.size() == net::SeatTokenLength &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return QStringLiteral("0123456789abcdef").contains(c); });
}

}  // namespace

QString SeatTokens::key(const net::Invitation& room)
{
    // A key of QSettings may hold no slash of its own.
    return QString::fromLatin1((addressText(room) + QLatin1Char('/') + room.code.toUpper()).toUtf8().toHex());
}

std::optional<SeatTokens::Kept> SeatTokens::find(const net::Invitation& room) const
{
    const std::unique_ptr<QSettings> settings = tokenSettings();
    const QStringList entry = settings->value(key(room)).toStringList();
    if (entry.size() < 2 || !isToken(entry[0]))
        return std::nullopt;
    bool number = false;
    const int seat = entry[1].toInt(&number);
    return number && seat >= 0 && seat < 6 ? std::optional(Kept{entry[0], seat}) : std::nullopt;
}

void SeatTokens::keep(const net::Invitation& room, const Kept& kept)
{
    const std::unique_ptr<QSettings> settings = tokenSettings();
    settings->setValue(key(room), QStringList{kept.token, QString::number(kept.seat),
                                             QString::number(QDateTime::currentMSecsSinceEpoch())});
    QStringList rooms = settings->childKeys();
    const auto since = [&](const QString& k) { return settings->value(k).toStringList().value(2).toLongLong(); };
    std::sort(rooms.begin(), rooms.end(), [&](const QString& a, const QString& b) { return since(a) > since(b); });
    for (qsizetype i = MaxRooms; i < rooms.size(); ++i)
        settings->remove(rooms[i]);
}

void SeatTokens::forget(const net::Invitation& room)
{
    const std::unique_ptr<QSettings> settings = tokenSettings();
    settings->remove(key(room));
}
