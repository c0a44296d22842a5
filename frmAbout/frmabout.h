#pragma once

#include <array>

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace platform {
class Line;
}

namespace ui {

// The About window: the program's name taken from the main window's caption, what the program
// does, who made it, and a button to the project's page. Modeless, ownerless, and discarded
// when closed, so each opening loads afresh.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // The main window only lends its caption; it is not this window's owner.
    explicit frmAbout(const QWidget *mainWindow);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createLabels();
    void Form_Load(const QWidget *mainWindow);
    void cmdOK_Click();
    void Command1_Click();
    void showUnopenedPage(const QString &address);

    QLabel *lblTitle = nullptr;
    std::array<QLabel *, 2> lblDescription {};
    QLabel *lblDisclaimer = nullptr;
    std::array<platform::Line *, 2> Line1 {};
    QPushButton *Command1 = nullptr;
    QPushButton *cmdOK = nullptr;
};

} // namespace ui
