#pragma once

#include "app/Language.h"

#include <QObject>

#include <map>

class QAction;
class QMenu;

// The 言語 / Language menu: each language under its own name, the one in force ticked. A choice
// takes effect at once in every window and is kept in the player's own settings for the next start.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    LanguageMenu(QMenu& menu, QObject* parent);

    void choose(Language language);

private:
    void tickInForce();

    std::map<Language, QAction*> m_items;
};
