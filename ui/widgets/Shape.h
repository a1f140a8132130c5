#pragma once

#include <QColor>
#include <QWidget>

// A filled, rounded rectangle drawn on the table: seat frames and the seat panel whose fill marks
// the banker.
class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(const QColor& fill, const QColor& border, int radius, QWidget* parent);

    void setFillColor(const QColor& colour);
    QColor fillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_border;
    int m_radius;
};
