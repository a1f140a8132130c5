#pragma once

#include <QByteArray>
#include <QList>
#include <QLatin1StringView>
#include <QString>

#include <optional>

// The settings live in the section DiceGame of a Windows profile (INI) file; the computer seats'
// characters in a section of their own beside it.
struct ProfileEntry {
    QString key;
    QString value;
    bool operator==(const ProfileEntry&) const = default;
};

// The Windows reader of this file takes the section into a 32767-byte buffer, each entry followed
// by a NUL and a final NUL: entries are read, and may be saved, while they fit in this many bytes.
constexpr qsizetype SectionBudget = 32765;

// The entries of the DiceGame section of a file's bytes, in file order. An entry is split at its
// first "=" (so a value may hold "="); lines without "=" are skipped. Text is CP932 unless the
// bytes start with a UTF-8 byte order mark, or are valid UTF-8 and not plain ASCII. Never fails:
// any bytes give some list, maybe empty.
// Blanks around a key are dropped, the value is kept as written; empty lines and ";" comments are
// skipped. Entries are taken while they fit SectionBudget, as on Windows.
inline constexpr QLatin1StringView SettingsSection("DiceGame");
QList<ProfileEntry> parseProfileSection(const QByteArray& bytes, QLatin1StringView section = SettingsSection);

// The entries of the file's DiceGame section; nullopt when nothing was read (no such file,
// no such section, or an empty one). Only the first 16 MB of a file are looked at.
std::optional<QList<ProfileEntry>> readProfileSection(const QString& path,
                                                      QLatin1StringView section = SettingsSection);

// Replaces the DiceGame section of the file with the entries, keeping every other byte of the
// file; creates the section or the file when missing. Writes atomically: on failure the old file
// stays whole and false is returned (a full disk included). When CP932 cannot hold the new
// entries, or the file is UTF-8 without the mark, it gets a UTF-8 byte order mark and the section
// is written in UTF-8, while every byte outside it stays as it was; a line end inside an entry is
// written as a blank; a file over 16 MB is left alone (false).
bool writeProfileSection(const QString& path, const QList<ProfileEntry>& entries,
                         QLatin1StringView section = SettingsSection);
// Takes the section out of the file, header and entries, keeping every other byte; true when the
// file holds no such section afterwards (a missing file included), false when it could not be written.
bool removeProfileSection(const QString& path, QLatin1StringView section);
