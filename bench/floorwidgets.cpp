#include "bench/floorwidgets.h"

#include <QPainter>

namespace bench {

Swatch::Swatch(QColor colour, QWidget *parent) : QWidget(parent), m_colour(colour) { }

void Swatch::setColour(QColor colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void Swatch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_colour);
}

Picture::Picture(const QPixmap &pixmap, QWidget *parent) : QWidget(parent), m_pixmap(pixmap) { }

void Picture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_pixmap);
}

} // namespace bench
