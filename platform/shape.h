#pragma once

#include <cstdint>

#include <QWidget>

namespace platform {

// A rectangle drawn over its container: a solid colour, a hatch, or both; it never takes input.
class Shape : public QWidget
{
    Q_OBJECT

public:
    enum class BackStyle { Transparent, Opaque };
    enum class BorderStyle { None, Solid };
    enum class FillStyle { None, DiagonalCross };

    explicit Shape(QWidget *parent = nullptr);

    // Colours come as colour numbers: red + 256 * green + 65536 * blue.
    void setBackColor(std::int32_t colourNumber);
    std::int32_t backColor() const { return m_backColor; }
    void setBackStyle(BackStyle style);
    BackStyle backStyle() const { return m_backStyle; }
    void setBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setFillStyle(FillStyle style);
    FillStyle fillStyle() const { return m_fillStyle; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::int32_t m_backColor = 0xffffff;
    BackStyle m_backStyle = BackStyle::Transparent;
    BorderStyle m_borderStyle = BorderStyle::Solid;
    FillStyle m_fillStyle = FillStyle::None;
};

} // namespace platform
