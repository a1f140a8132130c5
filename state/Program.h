#pragma once

#include "game/ComputerCharacter.h"
#include "game/Tally.h"
#include "settings/GameSettings.h"

#include <QString>
#include <QtGlobal>

// The program-wide values: they live from start to exit and have no owner object.
namespace program {

inline SettingsRecord GameSettings;
// The character of each seat when the computer plays it; kept beside GameSettings in a section of its own.
inline rules::SeatCharacters Characters{};
inline QString SettingsPath;
inline qint16 GameFlag = 0;
inline qint16 SpeedLevel = 0;
inline qint16 SoundFlag = 0;
inline rules::TallyTable RollTally{};
inline rules::TallySums RollTallySum{};

// Everything back to the state before start-up, for tests.
void reset();

}  // namespace program
