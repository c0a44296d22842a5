#pragma once

class QWidget;

namespace platform {

// The widget style the windows' layout was measured in, together with the application's font.
inline constexpr const char *LayoutStyle = "Fusion";

// Gives the window the application's present font for good, every property of it: a platform
// theme that sets another application font later (qt6ct does, once the program runs) leaves the
// window's captions, laid out for this one, as they are.
void keepApplicationFont(QWidget *window);

} // namespace platform
