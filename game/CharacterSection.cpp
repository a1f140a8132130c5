#include "game/CharacterSection.h"

namespace rules {

namespace {

QString keyOf(int seat) { return QStringLiteral("P_CHAR") + QString::number(seat); }

}  // namespace

QList<ProfileEntry> characterEntries(const SeatCharacters& characters)
{
    QList<ProfileEntry> entries;
    for (int seat = 0; seat < 6; ++seat) {
        if (characters[size_t(seat)] != Character::Omakase)
            entries.append({keyOf(seat), characterKey(characters[size_t(seat)])});
    }
    return entries;
}

SeatCharacters charactersFromEntries(const QList<ProfileEntry>& entries)
{
    SeatCharacters characters{};
    for (const ProfileEntry& entry : entries) {
        for (int seat = 0; seat < 6; ++seat) {
            if (entry.key == keyOf(seat))
                characters[size_t(seat)] = characterFromKey(entry.value.trimmed());
        }
    }
    return characters;
}

SeatCharacters readCharacters(const QString& path)
{
    return charactersFromEntries(readProfileSection(path, CharacterSection).value_or(QList<ProfileEntry>{}));
}

bool writeCharacters(const QString& path, const SeatCharacters& characters)
{
    const QList<ProfileEntry> entries = characterEntries(characters);
    return entries.isEmpty() ? removeProfileSection(path, CharacterSection)
                             : writeProfileSection(path, entries, CharacterSection);
}

}  // namespace rules
