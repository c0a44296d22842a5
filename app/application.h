#pragma once

#include <QApplication>

namespace app {

// Holds back what Qt says about its platform while it opens the display. A display Qt cannot
// open ends the program with one line saying what could not be opened and exit status 1, as
// no display at all does, instead of Qt's abort and its advice to reinstall.
class DisplayWatch
{
protected:
    DisplayWatch(int argc, const char *const *argv);
    // The display is open: what was held back is said after all, and Qt's messages flow again.
    void displayOpened();
};

// Whether the user names a widget style (-style, QT_STYLE_OVERRIDE), read before Qt takes its
// options from the command line.
class StyleChoice
{
protected:
    StyleChoice(int argc, const char *const *argv);
    bool m_userStyle = false;
};

// The program's QApplication, which opens the display under a DisplayWatch. Its windows keep the
// look their layout was measured in: the Fusion style, in the colours of the platform's theme,
// unless the user names a style.
class Application : private StyleChoice, private DisplayWatch, public QApplication
{
public:
    Application(int &argc, char **argv);
};

} // namespace app
