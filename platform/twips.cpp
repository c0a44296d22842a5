#include "platform/twips.h"

#include <QWidget>

namespace platform {

void placeInTwips(QWidget *widget, TwipRect rect)
{
    widget->setGeometry(toPixels(rect));
}

} // namespace platform
