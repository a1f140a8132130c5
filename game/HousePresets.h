#pragma once

#include "settings/GameSettings.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <span>

// House rules by name: a set of the twelve options with the throws (NAGEKAI) and the turns of a
// bank (OYA), and a line on how the game plays. Adding a house is one line in HousePresets.cpp.
namespace rules {

struct HousePreset {
    const char16_t* name;
    const char16_t* plays;  // how the game plays, in a line
    qint32 nagekai;
    qint32 oya;
    std::array<qint16, 12> checks;  // P_CHECK1..P_CHECK12, 0 or 1
};

std::span<const HousePreset> housePresets();

// The settings with the preset's options, NAGEKAI and OYA; every other field as it was.
SettingsRecord withPreset(SettingsRecord settings, const HousePreset& preset);
// The preset whose options, NAGEKAI and OYA the settings hold (options counting as on only at
// exactly 1), or nullptr.
const HousePreset* matchingPreset(const SettingsRecord& settings);
// The name as a player reads it, in the language in force (the table above keeps the Japanese).
QString shownPresetName(const HousePreset& preset);
// Two lines, in the language in force: how the game plays, then whom it favours by its exact edge,
// "親に有利：親の有利 +1.03%" or "子に有利：子の期待値 +30.12%".
QString presetDescription(const HousePreset& preset);

}  // namespace rules
