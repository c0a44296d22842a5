#include "platform/window.h"

#include <algorithm>

#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QRect>
#include <QWidget>

#include "platform/keepfont.h"
#include "platform/textroom.h"
#include "platform/twips.h"

namespace platform {

void setFixedDialogFrame(QWidget *window, QSize clientTwips, TaskBar taskBar, QWidget *client)
{
    // Windows draws a frame the user can drag unless told it is a fixed-size dialog's; X11
    // window managers read the equal minimum and maximum sizes instead.
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    // A tool window keeps out of the task bar on X11 and Windows alike.
    flags |= taskBar == TaskBar::OwnEntry ? Qt::Window : Qt::Tool;
    window->setWindowFlags(flags);
    keepApplicationFont(window); // the size below holds for this font alone

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

void fitFrameToText(QWidget *window, QWidget *client)
{
    QWidget *area = client ? client : window;
    const int growth = makeRoomForText(area);
    if (growth == 0)
        return;
    area->setFixedSize(area->width(), area->height() + growth);
    if (client && window->layout())
        window->layout()->activate();
}

void placeClientAt(QWidget *window, QPoint screenTwips, QWidget *client)
{
    // The layout puts the client below the menu bar; asking it now measures the bar as it
    // stands, so call this once the bar has its captions.
    if (client && window->layout())
        window->layout()->activate();
    const int menuBarHeight = client ? client->y() : 0;
    const QPoint wanted(toPixels(screenTwips.x()), toPixels(screenTwips.y()) - menuBarHeight);
    // On a screen too small for that place, the nearest one that keeps the whole window on it.
    const QRect room = roomOnScreen(window);
    const QSize size = window->size();
    const QPoint last(std::max(room.left(), room.right() + 1 - size.width()),
                      std::max(room.top(), room.bottom() + 1 - size.height()));
    const QPoint topLeft(std::clamp(wanted.x(), room.left(), last.x()),
                         std::clamp(wanted.y(), room.top(), last.y()));
    // setGeometry places the client area; move() would place the window manager's frame.
    window->setGeometry(QRect(topLeft, size));
}

QRect roomOnScreen(const QWidget *window)
{
    // A screen Qt cannot measure (a scale factor of 0 puts its edges at INT_MIN and INT_MAX) is
    // taken as no larger than the largest widget, so that its width and height, and the sums
    // made with them, stay within int.
    const auto bounded = [](QPoint p) {
        return QPoint(std::clamp(p.x(), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                      std::clamp(p.y(), -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    };
    const QRect screen = window->screen()->availableGeometry();
    QRect room(bounded(screen.topLeft()), bounded(screen.bottomRight()));
    // The window manager's frame is unknown until the window is shown; leave room above for a
    // title bar like the style's own.
    room.setTop(room.top()
                + window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window));
    return room;
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

void keepTabStopOnSelected(QRadioButton *option)
{
    QObject::connect(option, &QRadioButton::toggled, option, [option](bool on) {
        if (!on || !option->parentWidget())
            return;
        // The group is every auto-exclusive option of the same parent.
        for (QRadioButton *o : option->parentWidget()->findChildren<QRadioButton *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (!o->autoExclusive())
                continue;
            const Qt::FocusPolicy policy = o->focusPolicy();
            o->setFocusPolicy(o == option ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                          : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    });
}

} // namespace platform
