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
    font.setStretch(QFont::AnyStretch);  // the font as the label was given it
    const double room = label->contentsRect().width() - 2 * label->margin();
    double width = QFontMetricsF(font).horizontalAdvance(text);
    // Glyphs narrow in steps, not in proportion: narrower still until the text fits.
    for (int stretch = int(std::floor(fullWidth * room / std::max(width, 1.0)));
         width > room && stretch >= narrowest; --stretch) {
        font.setStretch(stretch);
        width = QFontMetricsF(font).horizontalAdvance(text);
    }
    label->setFont(font);
    label->setText(text);
}
