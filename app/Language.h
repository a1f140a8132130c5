#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The languages the game speaks. Japanese is the source of every text; English comes from the
// catalogue qubrin_en.qm in the data folder.
enum class Language { Japanese, English };

// "ja" and "en", as --lang and the player's settings write them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString& code);

// The language a run starts in: --lang when given, else the player's last choice, else the
// system's: Japanese for a Japanese locale, English for every other.
Language startLanguage(const std::optional<Language>& option, const QString& stored, const QLocale& system);
