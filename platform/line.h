#pragma once

#include <QPoint>
#include <QWidget>

namespace platform {

// A straight line between two points of its container, in a given colour and pen width. Moved,
// it carries both points with it.
class Line : public QWidget
{
    Q_OBJECT

public:
    Line(QPoint from, QPoint to, QColor colour, int width, QWidget *parent);

    QPoint from() const { return pos() + m_from; }
    QPoint to() const { return pos() + m_to; }
    QColor colour() const { return m_colour; }
    int penWidth() const { return m_width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from; // from the widget's own top-left corner
    QPoint m_to;
    QColor m_colour;
    int m_width;
};

} // namespace platform
