#include "ui/widgets/ScreenCentre.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Moves the window's top left to `topLeft`, pulled back as far as needed to keep it on the area.
void moveWithin(QWidget* window, QPoint topLeft, const QRect& area)
{
    const int x = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - window->width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - window->height()));
    window->move(x, y);
}

}  // namespace

void centreOnScreen(QWidget* window, const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - window->width()) / 2,
                 area.y() + (area.height() - window->height()) / 2);
}

void centreOver(QWidget* window, const QWidget* owner)
{
    const QWidget* over = owner->window();
    if (const QScreen* screen = over->screen())
        moveWithin(window, over->frameGeometry().center() - window->rect().center(), screen->availableGeometry());
}

void placeBeside(QWidget* window, const QWidget* owner)
{
    const QWidget* beside = owner->window();
    const QScreen* screen = beside->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = beside->frameGeometry();
    const int gap = 8;
    if (frame.right() + gap + window->width() <= area.right() + 1)
        moveWithin(window, QPoint(frame.right() + 1 + gap, frame.top()), area);
    else if (frame.left() - gap - window->width() >= area.left())
        moveWithin(window, QPoint(frame.left() - gap - window->width(), frame.top()), area);
    else
        centreOver(window, owner);
}
