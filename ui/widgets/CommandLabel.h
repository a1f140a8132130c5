#pragma once

#include <QPushButton>

// A command of the table ("ベント", "実 行", ...): looks like a caption on the table, reacts to a
// click or to the keyboard only while enabled, and is plainly greyed out while disabled. With the
// keyboard focus it wears an orange frame; Enter and Space give the command.
class CommandLabel : public QPushButton {
    Q_OBJECT
public:
    CommandLabel(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
