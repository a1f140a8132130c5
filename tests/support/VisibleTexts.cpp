#include "support/VisibleTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

bool containsJapanese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef);
    });
}

QStringList visibleTexts(const QWidget* root)
{
    QStringList all;
    const auto add = [&all](const QWidget* widget, const QString& text) {
        if (!text.isEmpty())
            all << widget->objectName() + QStringLiteral(": ") + text;
    };
    add(root, root->windowTitle());
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* widget : widgets) {
        add(widget, widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(widget, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(widget, button->text());
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            add(widget, group->title());
        else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                add(widget, list->itemText(i));
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(widget, tabs->tabText(i));
        }
    }
    return all;
}
