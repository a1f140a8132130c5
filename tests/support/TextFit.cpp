#include "TextFit.h"

#include "ui/widgets/ElidedLabel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

// A push button's caption keeps this much of its width for the frame and padding.
constexpr int buttonPadding = 12;

QSize textSize(const QFontMetrics& metrics, const QString& text, int width, int flags)
{
    return metrics.boundingRect(QRect(0, 0, width, 1 << 20), flags, text).size();
}

bool labelFits(const QLabel& label)
{
    const QRect room = label.contentsRect().marginsRemoved(QMargins(label.margin(), label.margin(),
                                                                    label.margin(), label.margin()));
    const int flags = Qt::TextShowMnemonic | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QSize needed = textSize(QFontMetrics(label.font()), label.text(), room.width(), flags);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

bool buttonFits(const QAbstractButton& button)
{
    const QFontMetrics metrics(button.font());
    const QSize text = textSize(metrics, button.text(), 1 << 20, Qt::TextShowMnemonic);
    int width = text.width();
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        const bool check = qobject_cast<const QCheckBox*>(&button) != nullptr;
        width += button.style()->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth)
                 + button.style()->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                                     : QStyle::PM_RadioButtonLabelSpacing);
    } else if (qobject_cast<const QPushButton*>(&button)) {
        width += buttonPadding;
    }
    return width <= button.contentsRect().width() && text.height() <= button.contentsRect().height();
}

}  // namespace

QStringList textsThatDoNotFit(const QWidget* root)
{
    QStringList cut;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) || (widget->isWindow() && widget != root))
            continue;
        bool fits = true;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            fits = text.isEmpty() || qobject_cast<const ElidedLabel*>(label) || labelFits(*label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
            fits = text.isEmpty() || buttonFits(*button);
        }
        if (!fits)
            cut << widget->objectName() + QStringLiteral(": ") + text;
    }
    return cut;
}
