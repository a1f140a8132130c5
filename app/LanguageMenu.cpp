#include "app/LanguageMenu.h"

#include "app/GameLanguage.h"
#include "settings/PlayerSettings.h"
#include "ui/widgets/ControlNames.h"

#include <QActionGroup>
#include <QMenu>

LanguageMenu::LanguageMenu(QMenu& menu, QObject* parent) : QObject(parent)
{
    auto* group = new QActionGroup(this);
    // A language is offered under its own name, so that a player who reads only that one finds it.
    const struct {
        Language language;
        const char* name;
        const char* caption;
    } items[] = {{Language::Japanese, "languageJapanese", "日本語"}, {Language::English, "languageEnglish", "English"}};
    for (const auto& item : items) {
        QAction* action = named(menu.addAction(QString::fromUtf8(item.caption)), item.name);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = item.language] { choose(language); });
        m_items.emplace(item.language, action);
    }
    tickInForce();
}

void LanguageMenu::choose(Language language)
{
    if (useLanguage(language))
        player_settings::setValue(QStringLiteral("ui/language"), languageCode(language));
    tickInForce();
}

void LanguageMenu::tickInForce()
{
    for (const auto& [language, action] : m_items)
        action->setChecked(language == currentLanguage());
}
