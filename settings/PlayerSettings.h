#pragma once

#include <QString>
#include <QVariant>

// The player's own preferences, kept across runs in QSettings "qubrin"/"qubrin" (qubrin.conf), apart
// from the game's settings file.
namespace player_settings {

QVariant value(const QString& key);

// Stores the value unless the file is not ours: a qubrin.conf that holds keys of some other program
// (say, a link into a dotfile manager's shared file), or that cannot be read, is never rewritten, and
// the value then lasts for this run only. False when it was not stored.
bool setValue(const QString& key, const QVariant& value);

}  // namespace player_settings
