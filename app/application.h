#pragma once

#include <optional>

#include <QApplication>

namespace app {

// Holds back what Qt says about its platform while it opens the display. A display Qt cannot
// open ends the program with one line saying what could not be opened and exit status 1, as
// no display at all does, instead of Qt's abort and its advice to reinstall.
class DisplayWatch
{
protected:
    DisplayWatch(int argc, const char *const *argv);
    // The display is open: what was held back is said after all, and Qt's messages flow again,
    // but for a display that goes away later, which ends the program in one line.
    void displayOpened();
    // Qt is about to close the display: its messages flow as they came.
    void displayClosing();
};

// Whether the user names a widget style (-style, QT_STYLE_OVERRIDE), read before Qt takes its
// options from the command line.
class StyleChoice
{
protected:
    StyleChoice(int argc, const char *const *argv);
    bool m_userStyle = false;
};

// Qt draws widgets wrongly on a screen scaled below 1: at QT_SCALE_FACTOR=0.5 or 0.75 most of a
// window stays unpainted and the bands black, and at 0 no window shows or Qt's style crashes.
// With such a screen this says so in one line and gives the exit status, 1; with none it says
// nothing.
std::optional<int> refuseScaleBelowOne();

// The program's QApplication, which opens the display under a DisplayWatch. Its windows keep the
// look their layout was measured in: the Fusion style, in the colours of the platform's theme,
// unless the user names a style.
class Application : private StyleChoice, private DisplayWatch, public QApplication
{
public:
    Application(int &argc, char **argv);
    ~Application() override;
};

} // namespace app
