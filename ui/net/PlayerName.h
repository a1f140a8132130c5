#pragma once

#include "settings/GameSettings.h"

#include <QString>

// The name a player goes by in a room: the name of `seat` in the settings, else of their first
// person's seat in play, else the user's name on this computer.
QString playerName(const SettingsRecord& settings, int seat = -1);
