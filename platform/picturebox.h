#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace platform {

// Shows a stored image unscaled at its top-left corner, clipped to the box; holds shapes. While
// it has the focus, a dotted frame marks the part of it that its container shows.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawFocusMark(QPainter &painter) const;

    QPixmap m_picture;
};

} // namespace platform
