#include "platform/shape.h"

#include <QPainter>

#include "platform/convert.h"

namespace platform {

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    // Clicks reach whatever lies beneath, as on a painted rectangle.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, m_backStyle == BackStyle::Opaque);
}

void Shape::setBackColor(std::int32_t colourNumber)
{
    if (colourNumber == m_backColor)
        return;
    m_backColor = colourNumber;
    update();
}

void Shape::setBackStyle(BackStyle style)
{
    if (style == m_backStyle)
        return;
    m_backStyle = style;
    // An opaque shape covers what lies beneath: a new colour repaints the shape alone.
    setAttribute(Qt::WA_OpaquePaintEvent, style == BackStyle::Opaque);
    update();
}

void Shape::setBorderStyle(BorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void Shape::setFillStyle(FillStyle style)
{
    if (style == m_fillStyle)
        return;
    m_fillStyle = style;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_backStyle == BackStyle::Opaque)
        p.fillRect(rect(), toQColor(m_backColor));
    if (m_fillStyle == FillStyle::DiagonalCross)
        p.fillRect(rect(), QBrush(Qt::black, Qt::DiagCrossPattern));
    if (m_borderStyle == BorderStyle::Solid) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace platform
