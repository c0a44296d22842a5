#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace bench {

// A rectangle filled with one colour: the least a painted shape can cost.
class Swatch : public QWidget
{
public:
    explicit Swatch(QColor colour, QWidget *parent = nullptr);

    void setColour(QColor colour);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

// A pixmap drawn unscaled at the top-left corner.
class Picture : public QWidget
{
public:
    explicit Picture(const QPixmap &pixmap, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
};

} // namespace bench
