#include "platform/twips.h"

#include <QWidget>

namespace platform {

void placeInTwips(QWidget *widget, TwipRect rect)
{
    widget->setGeometry(toPixels(rect));
}

void setTabOrder(std::span<QWidget *const> order)
{
    QWidget *previous = nullptr;
    for (QWidget *w : order) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace platform
