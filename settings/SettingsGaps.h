#pragma once

#include "settings/ProfileSection.h"

#include <QString>
#include <QStringList>

// What a read of the settings file left unset: the record has no defaults, so such a key leaves
// its field at whatever it held (0 or empty text at start), and the player should hear why.
struct SettingsGaps {
    // Keys a game needs that the section lacks: the seven numbers and, for each seat in play, its
    // name, flag and portrait. A missing rule option is simply off and is not named.
    QStringList missing;
    // Number keys a game uses (as above, and the rule options) whose last value is no number of the
    // field's width (1e308, nan, 0x10, 3abc, "").
    QStringList unreadable;

    bool isEmpty() const { return missing.isEmpty() && unreadable.isEmpty(); }
};

// The gaps of a section's entries, in the keys' save order; seats in play as the entries' NINZU gives them.
SettingsGaps findSettingsGaps(const QList<ProfileEntry>& entries);

// The warning that names the gaps, at most a few keys a list; empty text when there are none.
QString settingsGapsWarning(const SettingsGaps& gaps);
