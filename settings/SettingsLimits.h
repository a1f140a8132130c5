#pragma once

#include "settings/GameSettings.h"

// The values a game can be played with, as the settings dialog's OK makes them: seat count 2..6
// (else 6), SCORE raised to BETMAX and at most 999999, BETMAX at most 9999, BETMIN within
// 0..BETMAX, OYA 1..9 (else 3), LAST at most 9999 (below 1: 30), NAGEKAI 1..5 (else 3), and an
// empty name of a seat in play becomes "○△□".
void normaliseSettings(SettingsRecord& settings);

// The same limits for the five fields that the dialog stores while it is edited.
void normaliseEditedFields(SettingsRecord& settings);
