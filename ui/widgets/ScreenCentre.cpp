#include "ui/widgets/ScreenCentre.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget* window, const QScreen* screen)
{
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - window->width()) / 2,
                 area.y() + (area.height() - window->height()) / 2);
}
