#include "platform/picturebox.h"

#include <QPainter>
#include <QPaintEvent>

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
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setClipRect(event->rect());
    // Unscaled: a high-DPI picture carries its device pixel ratio, so it keeps its logical size.
    p.drawPixmap(0, 0, m_picture);
}

} // namespace platform
