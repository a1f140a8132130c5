#include "settings/PlayerSettings.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <array>

namespace {

// Every key the program keeps in its own file.
const std::array<QString, 2> OwnKeys{QStringLiteral("table/zoom"), QStringLiteral("ui/language")};

QSettings playerSettings() { return QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")); }

bool isOwnFile(const QSettings& settings)
{
    const QFileInfo file(settings.fileName());
    if (!file.exists())
        return !file.isSymLink();  // a dangling link would make a file wherever it points
    if (settings.status() != QSettings::NoError)
        return false;
    const QStringList keys = settings.allKeys();
    return std::all_of(keys.begin(), keys.end(),
                       [](const QString& key) { return std::find(OwnKeys.begin(), OwnKeys.end(), key) != OwnKeys.end(); });
}

}  // namespace

namespace player_settings {

QVariant value(const QString& key) { return playerSettings().value(key); }

bool setValue(const QString& key, const QVariant& value)
{
    QSettings settings = playerSettings();
    if (!isOwnFile(settings))
        return false;
    settings.setValue(key, value);
    return true;
}

}  // namespace player_settings
