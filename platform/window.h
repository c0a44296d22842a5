#pragma once

#include <initializer_list>
#include <span>

#include <QRadioButton>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

enum class TaskBar { OwnEntry, NoEntry };

// A fixed dialog frame: title bar with system menu and close box, no minimize or maximize
// button, not resizable. A window with a menu bar passes its central widget as `client`:
// the client area excludes the bar.
void setFixedDialogFrame(QWidget *window, QSize clientTwips, TaskBar taskBar,
                         QWidget *client = nullptr);

// Makes every text of a fixed dialog frame whole in the present font (makeRoomForText), and
// the frame, or its client below a menu bar, as much taller as that needs. Call it once the
// captions are set and before placing the window.
void fitFrameToText(QWidget *window, QWidget *client = nullptr);

// Places the window so that the top-left corner of its client area (below any menu bar)
// lands at the given screen position in twips, or as near to it as keeps the window on its
// screen. A menu bar must have its captions by then.
void placeClientAt(QWidget *window, QPoint screenTwips, QWidget *client = nullptr);

// What of the window's screen its client area may take: the available area, less a title bar.
QRect roomOnScreen(const QWidget *window);

// Chains the keyboard focus through the widgets in the order given.
void setTabOrder(std::span<QWidget *const> order);
inline void setTabOrder(std::initializer_list<QWidget *> order)
{
    setTabOrder(std::span<QWidget *const>(order.begin(), order.size()));
}

// Makes the selected option of the option's group its only tab stop, after every change of
// selection by a click, a key or code: Tab then meets the group once, at the place of its
// selected option. Qt on its own keeps the option focused last, which may be unselected or
// disabled by now.
void keepTabStopOnSelected(QRadioButton *option);

// Runs `handler` whenever the option becomes selected, by a click or from code.
template<typename Receiver>
void onSelected(QRadioButton *option, Receiver *receiver, void (Receiver::*handler)())
{
    QObject::connect(option, &QRadioButton::toggled, receiver, [receiver, handler](bool on) {
        if (on)
            (receiver->*handler)();
    });
}

} // namespace platform
