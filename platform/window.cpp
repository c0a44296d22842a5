#include "platform/window.h"

#include <QApplication>
#include <QFont>
#include <QRect>
#include <QWidget>

#include "platform/twips.h"

namespace platform {

void setFixedDialogFrame(QWidget *window, QSize clientTwips, TaskBar taskBar, int menuBarHeight)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // A tool window keeps out of the task bar on X11 and Windows alike.
    flags |= taskBar == TaskBar::OwnEntry ? Qt::Window : Qt::Tool;
    window->setWindowFlags(flags);
    window->setFixedSize(toPixels(clientTwips.width()), toPixels(clientTwips.height()) + menuBarHeight);
}

void placeClientAt(QWidget *window, QPoint screenTwips, int menuBarHeight)
{
    // setGeometry places the client area; move() would place the window manager's frame.
    const QPoint client(toPixels(screenTwips.x()), toPixels(screenTwips.y()) - menuBarHeight);
    window->setGeometry(QRect(client, window->size()));
}

void useDialogFont()
{
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

} // namespace platform
