#include "ui/widgets/CaptionButton.h"

#include <QFontMetrics>

#include <algorithm>

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent) {}

QSize CaptionButton::sizeHint() const
{
    QSize size = QPushButton::sizeHint();
    const QFontMetrics metrics(font());
    const int caption = metrics.size(Qt::TextShowMnemonic, text()).width();
    size.setWidth(std::max(size.width(), caption + metrics.height()));
    return size;
}

QSize CaptionButton::minimumSizeHint() const { return sizeHint(); }
