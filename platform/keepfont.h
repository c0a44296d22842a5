#pragma once

#include <QtGlobal>

class QWidget;

namespace platform {

// The widget style the windows' layout was measured in, together with the application's font:
// Windows' own where the layout comes from, Fusion on the desktops it was brought to.
#ifdef Q_OS_WIN
inline constexpr const char *LayoutStyle = "windowsvista";
#else
inline constexpr const char *LayoutStyle = "Fusion";
#endif

// Gives the window the application's present font for good, every property of it: a platform
// theme that sets another application font later (qt6ct does, once the program runs) leaves the
// window's captions, laid out for this one, as they are.
void keepApplicationFont(QWidget *window);

} // namespace platform
