#pragma once

#include <QRect>

class QWidget;

namespace platform {

// 15 twips are one pixel at 96 dpi; Qt's logical pixels are those pixels.
constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel: several band positions are not whole pixels.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel)
                      : -((-2 * twips + TwipsPerPixel) / (2 * TwipsPerPixel));
}

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

constexpr QRect toPixels(TwipRect r)
{
    return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
}

// Places the widget in its container, lower by the move of its row where the container made
// room for taller text (textroom.h).
void placeInTwips(QWidget *widget, TwipRect rect);

} // namespace platform
