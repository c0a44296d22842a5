#include "platform/line.h"

#include <QPainter>

namespace platform {

Line::Line(QPoint from, QPoint to, QColor colour, int width, QWidget *parent)
    : QWidget(parent), m_colour(colour), m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // The widget covers the line's bounding box, widened downwards and rightwards by the pen,
    // as a wide line grows from its end points on the platform this imitates.
    const QRect box = QRect(from, to).normalized();
    setGeometry(box.adjusted(0, 0, width - 1, width - 1));
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Pixel-aligned fill instead of a stroked pen: crisp at any width, no antialiasing.
    const QPoint a = m_from;
    const QPoint b = m_to;
    if (a.y() == b.y())
        p.fillRect(
            QRect(QPoint(std::min(a.x(), b.x()), a.y()), QSize(std::abs(b.x() - a.x()), m_width)),
            m_colour);
    else if (a.x() == b.x())
        p.fillRect(
            QRect(QPoint(a.x(), std::min(a.y(), b.y())), QSize(m_width, std::abs(b.y() - a.y()))),
            m_colour);
    else {
        p.setPen(QPen(m_colour, m_width));
        p.drawLine(a, b);
    }
}

} // namespace platform
