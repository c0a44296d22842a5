#pragma once

#include <QPixmap>
#include <QWidget>

namespace platform {

// Shows a stored image unscaled at its top-left corner, clipped to the box; holds shapes.
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
    QPixmap m_picture;
};

} // namespace platform
