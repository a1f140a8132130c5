#include "support/VisibleTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

bool containsJapanese(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x31f0 && u <= 0x31ff) || (u >= 0x3400 && u <= 0x4dbf) ||
               (u >= 0x4e00 && u <= 0x9fff) || (u >= 0xf900 && u <= 0xfaff) || (u >= 0xff00 && u <= 0xffef);
    });
}

QStringList visibleTexts(const QWidget* root)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (!text.isEmpty())
            texts.append(text);
    };
    add(root->windowTitle());
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>())
        widgets.append(child);
    for (const QWidget* widget : widgets) {
        if (widget != root && !widget->isVisibleTo(root))
            continue;
        add(widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(button->text());
        if (const auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column)
                add(model->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < model->rowCount(); ++row)
                for (int column = 0; column < model->columnCount(); ++column) {
                    add(model->index(row, column).data().toString());
                    add(model->index(row, column).data(Qt::ToolTipRole).toString());
                }
        }
        if (const auto* view = qobject_cast<const QGraphicsView*>(widget); view && view->scene()) {
            for (const QGraphicsItem* item : view->scene()->items()) {
                if (!item->isVisible())
                    continue;
                if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
                    add(text->toPlainText());
                if (const auto* text = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
                    add(text->text());
            }
        }
    }
    return texts;
}

QStringList namedTexts(const QWidget* root)
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
