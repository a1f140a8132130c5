#pragma once

#include "game/ComputerCharacter.h"
#include "settings/ProfileSection.h"

#include <QList>
#include <QString>

// The computer seats' characters in a settings file: a section of their own beside DiceGame, so
// that every reader of DiceGame reads it as before. An entry P_CHAR<seat>=<word> for each seat
// that is not おまかせ; a file without the section is all おまかせ.
namespace rules {

inline constexpr QLatin1StringView CharacterSection("Characters");

QList<ProfileEntry> characterEntries(const SeatCharacters& characters);
// Later entries win; unknown keys are skipped and an unknown word is おまかせ.
SeatCharacters charactersFromEntries(const QList<ProfileEntry>& entries);

SeatCharacters readCharacters(const QString& path);
// Writes the section, or takes it out of the file when every seat is おまかせ; false when the
// file could not be written.
bool writeCharacters(const QString& path, const SeatCharacters& characters);

}  // namespace rules
