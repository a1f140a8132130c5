#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// Every text a player can see in a window: its title, the texts of its visible labels and buttons,
// the tool tips, the headers and cells (and their tips) of its item views and the texts drawn in
// its graphics views (a chart's titles and legend). Empty texts are left out.
inline QStringList visibleTexts(const QWidget* root)
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

// Kana (full and half width), ideographs, the ideographic space and punctuation and the full-width forms.
inline bool containsJapanese(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x31f0 && u <= 0x31ff) || (u >= 0x3400 && u <= 0x4dbf) ||
               (u >= 0x4e00 && u <= 0x9fff) || (u >= 0xf900 && u <= 0xfaff) || (u >= 0xff00 && u <= 0xffef);
    });
}
