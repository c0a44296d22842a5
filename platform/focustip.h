#pragma once

class QWidget;

namespace platform {

// Shows the control's tooltip when the control takes the focus from the keyboard (Tab,
// Shift+Tab, a shortcut), and keeps it up to date while it shows, so that an explanation given
// on hovering reaches those who use no mouse too.
void showToolTipOnKeyboardFocus(QWidget *control);

} // namespace platform
