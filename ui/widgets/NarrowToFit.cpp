#include "ui/widgets/NarrowToFit.h"

#include <QFontMetricsF>
#include <QLabel>

#include <algorithm>
#include <cmath>

void showNarrowedToFit(QLabel* label, const QString& text)
{
    constexpr int fullWidth = 100;
    constexpr int narrowest = 50;
    QFont font = label->font();
    font.setStretch(fullWidth);
    const double room = label->contentsRect().width() - 2 * label->margin();
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > room && width > 0)
        font.setStretch(std::max(narrowest, int(std::floor(fullWidth * room / width))));
    label->setFont(font);
    label->setText(text);
}
