#include "ui/widgets/Shape.h"

#include <QPainter>

Shape::Shape(const QColor& fill, const QColor& border, int radius, QWidget* parent)
    : QWidget(parent), m_fill(fill), m_border(border), m_radius(radius)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor& colour)
{
    m_fill = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_border.isValid() ? QPen(m_border, 1) : QPen(Qt::NoPen));
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_radius, m_radius);
}
