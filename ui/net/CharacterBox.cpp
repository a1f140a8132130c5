#include "ui/net/CharacterBox.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// The names of rules::characterName, for the translator.
constexpr const char* names[rules::CharacterCount] = {
    QT_TRANSLATE_NOOP("CharacterBox", "おまかせ"), QT_TRANSLATE_NOOP("CharacterBox", "堅実"),
    QT_TRANSLATE_NOOP("CharacterBox", "計算"),     QT_TRANSLATE_NOOP("CharacterBox", "強気"),
    QT_TRANSLATE_NOOP("CharacterBox", "博徒"),
};

}  // namespace

CharacterBox::CharacterBox(QWidget* parent) : QComboBox(parent)
{
    for (int c = 0; c < rules::CharacterCount; ++c)
        addItem(QString());
    showNames();
}

rules::Character CharacterBox::character() const { return rules::Character(std::max(0, currentIndex())); }

void CharacterBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showNames();
    QComboBox::changeEvent(event);
}

void CharacterBox::showNames()
{
    for (int c = 0; c < rules::CharacterCount; ++c)
        setItemText(c, QCoreApplication::translate("CharacterBox", names[c]));
}
