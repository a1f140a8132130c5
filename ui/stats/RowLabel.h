#pragma once

#include <QFontMetricsF>
#include <QLabel>
#include <QStringList>

// A label that paints its text one row per line at a fixed row pitch, so that several columns
// side by side keep their rows level whatever the font's own line height is. The text stays the
// label's text; only the painting differs from a plain QLabel.
//
// Rows: the text broken at its line ends (CR LF, LF or CR; a final line end opens no row), and,
// when a wrap width is set, each line wrapped at that many full-width character cells (a
// half-width character takes half a cell), with the blanks at a wrap dropped. Counting cells
// instead of pixels keeps the wrap the same with any font.
//
// Each row is painted with the label's horizontal alignment, narrowed to fit the width when the
// font runs wide, and elided only when it would have to shrink below MinSqueeze. Rows that do not
// fit wholly into the height are not painted.
class RowLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr double MinSqueeze = 0.7;

    RowLabel(int rowPitch, QWidget* parent);

    void setWrapCells(int cells);
    int rowPitch() const { return m_rowPitch; }

    // The rows as painted from the top, including those below the visible height.
    QStringList rows() const;
    // The rows that fit wholly into the label's height.
    int visibleRows() const;

    static QStringList wrapRows(const QString& text, int wrapCells);

    // How a row is painted into a given width: the text (elided when even the narrowest squeeze
    // would not fit it) and the horizontal scale, 1 when it fits as it is.
    struct Fit {
        QString text;
        double squeeze = 1.0;
    };
    static Fit fitRow(const QFontMetricsF& metrics, const QString& row, double width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_rowPitch;
    int m_wrapCells = 0;
};
