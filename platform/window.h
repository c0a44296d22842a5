#pragma once

#include <QRadioButton>
#include <QSize>

class QWidget;

namespace platform {

enum class TaskBar { OwnEntry, NoEntry };

// A fixed dialog frame: title bar with system menu and close box, no minimize or maximize
// button, not resizable. A window with a menu bar passes its central widget as `client`:
// the client area excludes the bar.
void setFixedDialogFrame(QWidget *window, QSize clientTwips, TaskBar taskBar,
                         QWidget *client = nullptr);

// Places the window so that the top-left corner of its client area (below any menu bar)
// lands at the given screen position in twips.
void placeClientAt(QWidget *window, QPoint screenTwips, QWidget *client = nullptr);

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
