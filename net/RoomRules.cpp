#include "net/RoomRules.h"

#include "net/JsonFields.h"
#include "net/NameText.h"
#include "net/Protocol.h"
#include "settings/SettingsLimits.h"

#include <QCryptographicHash>

namespace net {
namespace {

QJsonArray seatArray(int seats, const auto& valueOfSeat)
{
    QJsonArray values;
    for (int seat = 0; seat < seats; ++seat)
        values.append(valueOfSeat(seat));
    return values;
}

}  // namespace

RoomRules RoomRules::fromSettings(const SettingsRecord& hostSettings)
{
    RoomRules rules{hostSettings};
    SettingsRecord& s = rules.settings;
    s.NINZU = static_cast<qint16>(s.seatsInPlay());
    s.BETMAX = qMax(s.BETMAX, 0);
    s.SCORE = qMax(s.SCORE, 0);
    normaliseSettings(s);
    for (int seat = 0; seat < 6; ++seat) {
        s.name(seat) = seat < s.NINZU ? cleanName(s.name(seat)) : QString();
        s.flag(seat) = seat < s.NINZU && s.isComputer(seat) ? 1 : 0;
        s.image(seat) = seat < s.NINZU ? s.image(seat) : 0;
    }
    for (int n = 1; n <= 12; ++n)
        s.check(n) = s.option(n) ? 1 : 0;
    return rules;
}

std::optional<RoomRules> RoomRules::fromJson(const QJsonObject& object)
{
    JsonFields fields(object);
    SettingsRecord s;
    s.NINZU = static_cast<qint16>(fields.integer("seats", 2, 6));
    s.SCORE = static_cast<qint32>(fields.integer("score", 0, 999999));
    s.BETMIN = static_cast<qint32>(fields.integer("betMin", 0, 9999));
    s.BETMAX = static_cast<qint32>(fields.integer("betMax", 0, 9999));
    s.OYA = static_cast<qint32>(fields.integer("oya", 1, 9));
    s.LAST = static_cast<qint32>(fields.integer("last", 1, 9999));
    s.NAGEKAI = static_cast<qint32>(fields.integer("nagekai", 1, 5));
    const QVector<qint64> options = fields.integers("options", 12, 12, 0, 1);
    const QVector<qint64> computer = fields.integers("computer", s.NINZU, s.NINZU, 0, 1);
    const QVector<qint64> images = fields.integers("images", s.NINZU, s.NINZU, -32768, 32767);
    const QJsonArray names = fields.array("names", s.NINZU, s.NINZU);
    if (!fields.ok())
        return std::nullopt;
    for (int n = 1; n <= 12; ++n)
        s.check(n) = static_cast<qint16>(options[n - 1]);
    for (int seat = 0; seat < s.NINZU; ++seat) {
        const QJsonValue name = names.at(seat);
        if (!name.isString() || name.toString().size() > MaxRawNameLength)
            return std::nullopt;
        s.name(seat) = cleanName(name.toString());
        s.flag(seat) = static_cast<qint16>(computer[seat]);
        s.image(seat) = static_cast<qint16>(images[seat]);
    }
    SettingsRecord normalised = s;
    normaliseSettings(normalised);
    if (!(normalised == s))
        return std::nullopt;
    return RoomRules{s};
}

QJsonObject RoomRules::toJson() const
{
    const SettingsRecord& s = settings;
    QJsonArray options;
    for (int n = 1; n <= 12; ++n)
        options.append(s.option(n) ? 1 : 0);
    return {{"seats", seats()},
            {"score", s.SCORE},
            {"betMin", s.BETMIN},
            {"betMax", s.BETMAX},
            {"oya", s.OYA},
            {"last", s.LAST},
            {"nagekai", s.NAGEKAI},
            {"options", options},
            {"computer", seatArray(seats(), [&](int seat) { return s.isComputer(seat) ? 1 : 0; })},
            {"images", seatArray(seats(), [&](int seat) { return s.image(seat); })},
            {"names", seatArray(seats(), [&](int seat) { return s.name(seat); })}};
}

QByteArray RoomRules::canonicalForm() const
{
    const SettingsRecord& s = settings;
    QByteArray options;
    for (int n = 1; n <= 12; ++n)
        options.append(s.option(n) ? '1' : '0');
    QByteArray computer;
    for (int seat = 0; seat < seats(); ++seat)
        computer.append(s.isComputer(seat) ? '1' : '0');
    return QStringLiteral("qubrin-rules-1;seats=%1;score=%2;betMin=%3;betMax=%4;oya=%5;last=%6;nagekai=%7;"
                          "options=%8;computer=%9")
        .arg(seats())
        .arg(s.SCORE)
        .arg(s.BETMIN)
        .arg(s.BETMAX)
        .arg(s.OYA)
        .arg(s.LAST)
        .arg(s.NAGEKAI)
        .arg(QString::fromLatin1(options), QString::fromLatin1(computer))
        .toLatin1();
}

QString RoomRules::hash() const
{
    return QString::fromLatin1(QCryptographicHash::hash(canonicalForm(), QCryptographicHash::Sha256).toHex());
}

}  // namespace net
