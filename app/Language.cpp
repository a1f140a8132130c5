#include "app/Language.h"

QString languageCode(Language language)
{
    return language == Language::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
}

std::optional<Language> languageFromCode(const QString& code)
{
    for (const Language language : {Language::Japanese, Language::English}) {
        if (code == languageCode(language))
            return language;
    }
    return std::nullopt;
}

Language startLanguage(const std::optional<Language>& option, const QString& stored, const QLocale& system)
{
    if (option)
        return *option;
    if (const auto remembered = languageFromCode(stored))
        return *remembered;
    return system.language() == QLocale::Japanese ? Language::Japanese : Language::English;
}
