#include "ui/widgets/CommandLabel.h"

#include <QKeyEvent>

CommandLabel::CommandLabel(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral(
        "QPushButton { color: #5a1e00; background: #fff3d6; border: 1px solid #c8a060;"
        " border-radius: 4px; font-weight: bold; padding: 1px 4px; }"
        "QPushButton:hover { background: #ffe2a0; }"
        "QPushButton:pressed { background: #f5c870; }"
        "QPushButton:focus { border: 2px solid #d07000; }"
        "QPushButton:disabled { color: #b0a898; background: #ece8e0; border: 1px dashed #c8c0b0;"
        " font-weight: normal; }"));
}

void CommandLabel::keyPressEvent(QKeyEvent* event)
{
    // Space is a push button's own key; Enter and Return give the command as well.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        click();
    else
        QPushButton::keyPressEvent(event);
}
