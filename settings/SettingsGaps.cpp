#include "settings/SettingsGaps.h"

#include "settings/GameSettings.h"
#include "settings/NumberText.h"

#include <QCoreApplication>

#include <optional>

namespace {

// A message box stays readable: longer lists are cut with a count of the rest.
constexpr qsizetype MaxKeysNamed = 8;

bool readsAsItsField(const SettingsKey& key, const QString& value)
{
    if (std::holds_alternative<QString SettingsRecord::*>(key.field))
        return true;
    if (std::holds_alternative<qint16 SettingsRecord::*>(key.field))
        return toInt16(value).has_value();
    return toInt32(value).has_value();
}

bool neededForPlay(int place, int seats)
{
    if (place < FirstNameKey)
        return true;
    if (place >= FirstCheckKey)
        return false;
    return (place - FirstNameKey) % 6 < seats;
}

QString keyList(const QStringList& keys)
{
    QString text = keys.first(qMin(keys.size(), MaxKeysNamed)).join(QStringLiteral(", "));
    if (keys.size() > MaxKeysNamed)
        text += QCoreApplication::translate("SettingsGaps", " ほか%1項目").arg(keys.size() - MaxKeysNamed);
    return text;
}

}  // namespace

SettingsGaps findSettingsGaps(const QList<ProfileEntry>& entries)
{
    std::array<std::optional<QString>, SettingsKeyCount> last;
    SettingsRecord read;
    for (const ProfileEntry& entry : entries) {
        if (const SettingsKey* key = findSettingsKey(entry.key)) {
            last[static_cast<size_t>(key - settingsKeys().data())] = entry.value;
            setFromText(read, entry.key, entry.value);
        }
    }
    SettingsGaps gaps;
    for (int place = 0; place < SettingsKeyCount; ++place) {
        const SettingsKey& key = settingsKeys()[static_cast<size_t>(place)];
        const std::optional<QString>& value = last[static_cast<size_t>(place)];
        // A save leaves the portraits of seats out of play empty: only what a game uses is named.
        const bool used = neededForPlay(place, read.seatsInPlay());
        if (!value) {
            if (used)
                gaps.missing.append(QString::fromLatin1(key.key));
        } else if ((used || place >= FirstCheckKey) && !readsAsItsField(key, *value)) {
            gaps.unreadable.append(QString::fromLatin1(key.key));
        }
    }
    return gaps;
}

QString settingsGapsWarning(const SettingsGaps& gaps)
{
    if (gaps.isEmpty())
        return {};
    QStringList lines{QCoreApplication::translate("SettingsGaps", "設定ﾌｧｲﾙの一部が読めませんでした。")};
    if (!gaps.missing.isEmpty())
        lines.append(QCoreApplication::translate("SettingsGaps", "無い項目：") + keyList(gaps.missing));
    if (!gaps.unreadable.isEmpty())
        lines.append(QCoreApplication::translate("SettingsGaps", "数値でない項目：") + keyList(gaps.unreadable));
    return lines.join(u'\n') + QCoreApplication::translate("SettingsGaps", "。(ToT)");
}
