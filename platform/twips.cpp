#include "platform/twips.h"

#include <QWidget>

#include "platform/textroom.h"

namespace platform {

void placeInTwips(QWidget *widget, TwipRect rect)
{
    QRect place = toPixels(rect);
    // Where the container's rows were moved to make room for taller text, the control goes too.
    if (const QWidget *container = widget->parentWidget())
        place.translate(0, rowShift(container, place.top()));
    widget->setGeometry(place);
}

} // namespace platform
