#pragma once

#include <QComboBox>

// A drop-down that lets the player choose only its list items, yet can show any text the program
// puts in (a value a settings file holds, say): such a text stands as an extra item while it is
// the current one, and goes again once the player chooses a list item.
class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    ChoiceBox(const QStringList& items, QWidget* parent);

    QString text() const;
    // Shows the text, as its list item when there is one. Emits put() even when the text is
    // the one already shown: the program's own entries are checked like the player's choices.
    void setText(const QString& text);
    bool showsListItem() const;

signals:
    // The player chose a list item (by mouse, keys or wheel).
    void chosen();
    // The program put a text in; inList tells whether it is one of the list items.
    void put(bool inList);

private:
    int extraIndex() const;
    void dropExtra();
};
