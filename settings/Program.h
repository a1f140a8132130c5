#pragma once

#include "settings/GameSettings.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The program-wide values: they live from start to exit and have no owner object.
namespace program {

inline constexpr int TallyRows = 21;
using TallyTable = std::array<std::array<qint16, 6>, TallyRows>;  // [row][seat]
using TallySums = std::array<qint16, TallyRows>;

inline SettingsRecord GameSettings;
inline QString SettingsPath;
inline qint16 GameFlag = 0;
inline qint16 SpeedLevel = 0;
inline qint16 SoundFlag = 0;
inline TallyTable RollTally{};
inline TallySums RollTallySum{};

// Everything back to the state before start-up, for tests.
void reset();

}  // namespace program
