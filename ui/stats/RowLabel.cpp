#include "ui/stats/RowLabel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

bool isBlank(char32_t c) { return c == U' ' || c == U'\u3000'; }

// Width in half cells: the scripts before Hangul and the half-width forms take one half cell,
// everything else (kana, kanji, full-width forms) a whole cell.
int halfCells(char32_t c)
{
    if (c < 0x1100 || (c >= 0xFF61 && c <= 0xFFDC) || (c >= 0xFFE8 && c <= 0xFFEE))
        return 1;
    return 2;
}

QString withoutTrailingBlanks(QString row)
{
    while (!row.isEmpty() && isBlank(row.back().unicode()))
        row.chop(1);
    return row;
}

}  // namespace

RowLabel::RowLabel(int rowPitch, QWidget* parent) : QLabel(parent), m_rowPitch(std::max(1, rowPitch)) {}

void RowLabel::setWrapCells(int cells)
{
    m_wrapCells = std::max(0, cells);
    update();
}

QStringList RowLabel::rows() const { return wrapRows(text(), m_wrapCells); }

int RowLabel::visibleRows() const { return contentsRect().height() / m_rowPitch; }

QStringList RowLabel::wrapRows(const QString& text, int wrapCells)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalized.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    if (wrapCells <= 0)
        return lines;

    const int limit = 2 * wrapCells;
    QStringList rows;
    for (const QString& line : lines) {
        QString row;
        int used = 0;
        bool wrapped = false;
        for (const char32_t c : line.toUcs4()) {
            const int width = halfCells(c);
            if (used + width > limit && used > 0) {
                rows.append(withoutTrailingBlanks(row));
                row.clear();
                used = 0;
                wrapped = true;
            }
            if (wrapped && used == 0 && isBlank(c))
                continue;
            row += QString::fromUcs4(&c, 1);
            used += width;
        }
        if (!wrapped || used > 0)
            rows.append(wrapped ? withoutTrailingBlanks(row) : row);
    }
    return rows;
}

RowLabel::Fit RowLabel::fitRow(const QFontMetricsF& metrics, const QString& row, double width)
{
    const double advance = metrics.horizontalAdvance(row);
    if (advance <= width)
        return {row, 1.0};
    if (advance * MinSqueeze <= width)
        return {row, width / advance};
    return {metrics.elidedText(row, Qt::ElideRight, width / MinSqueeze), MinSqueeze};
}

void RowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));

    const QRect area = contentsRect();
    const QFontMetricsF metrics(font());
    // The ink of a kanji and a digit sits centred in the row below its first pixel, which is
    // left to a grid line; columns side by side in different font sizes thus stand level.
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("目0"));
    const double baseline = std::round((m_rowPitch + 1) / 2.0 - ink.center().y());
    const Qt::Alignment align = alignment();

    const QStringList all = rows();
    const int shown = std::min(int(all.size()), visibleRows());
    for (int i = 0; i < shown; ++i) {
        const Fit fit = fitRow(metrics, all[i], area.width());
        const double inked = metrics.horizontalAdvance(fit.text) * fit.squeeze;
        double x = area.left();
        if (align & Qt::AlignRight)
            x = area.right() + 1 - inked;
        else if (align & Qt::AlignHCenter)
            x = area.left() + (area.width() - inked) / 2;
        painter.save();
        painter.translate(std::floor(x), area.top() + i * m_rowPitch + baseline);
        painter.scale(fit.squeeze, 1.0);
        painter.drawText(QPointF(0, 0), fit.text);
        painter.restore();
    }
}
