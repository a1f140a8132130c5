#include "ui/widgets/BetScrollBar.h"

#include <QKeyEvent>
#include <QPainter>

BetScrollBar::BetScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSingleStep(1);
    setPageStep(1);
}

void BetScrollBar::keyPressEvent(QKeyEvent* event)
{
    // Right and Up raise the bet, Left and Down lower it, whatever the scroll bar's own habits.
    const int page = maximum() > 999 ? 100 : 10;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        setValue(value() + 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        setValue(value() - 1);
        break;
    case Qt::Key_PageUp:
        setValue(value() + page);
        break;
    case Qt::Key_PageDown:
        setValue(value() - page);
        break;
    case Qt::Key_Home:
        setValue(minimum());
        break;
    case Qt::Key_End:
        setValue(maximum());
        break;
    default:
        QScrollBar::keyPressEvent(event);
    }
}

void BetScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xd0, 0x70, 0x00), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}
