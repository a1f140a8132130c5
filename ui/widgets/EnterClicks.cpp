#include "ui/widgets/EnterClicks.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

EnterClicks::EnterClicks(QWidget* window, QAbstractButton* button)
    : QObject(window), m_window(window), m_button(button)
{
    window->installEventFilter(this);
}

bool EnterClicks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !key->isAutoRepeat()) {
            m_button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
