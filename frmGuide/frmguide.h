#pragma once

#include <QWidget>

class QPushButton;

namespace platform {
class PictureBox;
}

// The guide window: the colour chart under three buttons; closing it discards it.
class frmGuide : public QWidget
{
    Q_OBJECT

public:
    frmGuide();

    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }
    QPushButton *Command3() const { return m_command3; }
    platform::PictureBox *Picture1() const { return m_picture1; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Command3_Click();
    void renderChartForScreen();

    QPushButton *m_command1;
    QPushButton *m_command2;
    QPushButton *m_command3;
    platform::PictureBox *m_picture1;
};
