#include "platform/window.h"

#include <QLayout>
#include <QRect>
#include <QWidget>

#include "platform/twips.h"

namespace platform {

void setFixedDialogFrame(QWidget *window, QSize clientTwips, TaskBar taskBar, QWidget *client)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
    // A tool window keeps out of the task bar on X11 and Windows alike.
    flags |= taskBar == TaskBar::OwnEntry ? Qt::Window : Qt::Tool;
    window->setWindowFlags(flags);

    const QSize pixels(toPixels(clientTwips.width()), toPixels(clientTwips.height()));
    if (client && window->layout()) {
        // The menu bar's height is the style's business: fix the client and let the
        // layout fix the window around it.
        client->setFixedSize(pixels);
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        window->layout()->activate();
    } else {
        window->setFixedSize(pixels);
    }
}

void placeClientAt(QWidget *window, QPoint screenTwips, QWidget *client)
{
    const int menuBarHeight = client ? client->y() : 0;
    // setGeometry places the client area; move() would place the window manager's frame.
    const QPoint topLeft(toPixels(screenTwips.x()), toPixels(screenTwips.y()) - menuBarHeight);
    window->setGeometry(QRect(topLeft, window->size()));
}

} // namespace platform
