#include "platform/picturebox.h"

#include <QPainter>
#include <QPaintEvent>
#include <QPen>

namespace platform {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.setClipRect(event->rect());
    // Unscaled: a high-DPI picture carries its device pixel ratio, so it keeps its logical size.
    if (!m_picture.isNull())
        p.drawPixmap(0, 0, m_picture);
    if (hasFocus())
        drawFocusMark(p);
}

// Black dots on white, so that the mark shows on any picture and in any palette; inside the
// part the container shows, as a box may reach past its container's edge.
void PictureBox::drawFocusMark(QPainter &painter) const
{
    QRect shown = rect();
    if (const QWidget *container = parentWidget())
        shown &= container->rect().translated(-pos());
    const QRect mark = shown.adjusted(1, 1, -2, -2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(mark);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(mark);
}

} // namespace platform
