#pragma once

#include <QWidget>

class QPushButton;
class QScrollArea;

namespace platform {
class PictureBox;
}

namespace ui {

// The guide window: the colour chart under three buttons; closing it discards it. On a screen
// too small to hold it, the window is cut to the screen and its client area scrolls.
class frmGuide : public QWidget
{
    Q_OBJECT

public:
    frmGuide();

    // The controls, by their names.
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    platform::PictureBox *Picture1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Command3_Click();
    void renderChartForScreen();
    void fitToScreen();

    QScrollArea *m_scroll;
};

} // namespace ui
