#include "ui/widgets/EscapeCloses.h"

#include <QKeyEvent>
#include <QWidget>

EscapeCloses::EscapeCloses(QWidget* window) : QObject(window), m_window(window)
{
    // Key presses that the focused control leaves alone travel up to the window and pass here.
    window->installEventFilter(this);
}

bool EscapeCloses::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            m_window->close();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
