#include "app/GameLanguage.h"

#include "app/JapaneseQtTexts.h"
#include "settings/AppFolder.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

struct InForce {
    Language language = Language::Japanese;
    QTranslator* game = nullptr;  // owned by the application
    QTranslator* qt = nullptr;
};

InForce& inForce()
{
    static InForce state;
    return state;
}

void drop(QTranslator*& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

}  // namespace

Language currentLanguage() { return inForce().language; }

bool useLanguage(Language language)
{
    InForce& state = inForce();
    if (language == Language::English) {
        auto* game = new QTranslator(QCoreApplication::instance());
        if (!game->load(QStringLiteral("qubrin_en"), AppFolder())) {
            delete game;
            useLanguage(Language::Japanese);
            return false;
        }
        drop(state.qt);
        drop(state.game);
        state.game = game;
        QCoreApplication::installTranslator(game);
    } else {
        drop(state.game);
        if (!state.qt)
            state.qt = installJapaneseQtTexts(*QCoreApplication::instance());
    }
    state.language = language;
    return true;
}
