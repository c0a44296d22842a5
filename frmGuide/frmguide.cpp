#include "frmGuide/frmguide.h"

#include <array>

#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "frmGuide/colourchart.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/window.h"

namespace ui {

namespace {

enum class Control { Command1, Command2, Command3, Picture1 };

// Twips: left, top, width, height. The picture is a little larger than the client area, so the
// window cuts off its right and bottom edges.
constexpr std::array<platform::TwipRect, 4> Geometry {{
    {0, 0, 975, 495},
    {960, 0, 975, 495},
    {1920, 0, 975, 495},
    {0, 600, 9135, 9135},
}};

constexpr platform::TwipRect geometryOf(Control c)
{
    return Geometry[static_cast<int>(c)];
}

constexpr QSize ClientTwips {9105, 9675};
constexpr QPoint ScreenTwips {1320, 750};

} // namespace

frmGuide::frmGuide()
    : Command1(new QPushButton(QStringLiteral("<-"), this)),
      Command2(new QPushButton(QStringLiteral("->"), this)),
      Command3(new QPushButton(QStringLiteral("닫기"), this)),
      Picture1(new platform::PictureBox(this))
{
    setObjectName(QStringLiteral("frmGuide"));
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setFixedDialogFrame(this, ClientTwips, platform::TaskBar::OwnEntry);
    setWindowIcon(QIcon(QStringLiteral(":/bandalyx-16.png")));

    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    platform::placeInTwips(Command1, geometryOf(Control::Command1));
    platform::placeInTwips(Command2, geometryOf(Control::Command2));
    platform::placeInTwips(Command3, geometryOf(Control::Command3));
    platform::placeInTwips(Picture1, geometryOf(Control::Picture1));

    // Enter presses the focused button, as Space does and as in the other windows.
    for (QPushButton *b : {Command1, Command2, Command3})
        b->setAutoDefault(true);

    platform::setTabOrder({Command3, Command1, Command2, Picture1});
    Command3->setFocus();

    // The arrow buttons are deliberately inert: the guide has a single page.
    connect(Command3, &QPushButton::clicked, this, &frmGuide::Command3_Click);

    platform::placeClientAt(this, ScreenTwips);
}

void frmGuide::Command3_Click()
{
    close();
}

void frmGuide::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window is made hidden at start-up; the chart is drawn only when someone looks.
    if (Picture1->picture().isNull()) {
        renderChartForScreen();
        if (QWindow *window = windowHandle())
            connect(window, &QWindow::screenChanged, this, &frmGuide::renderChartForScreen);
    }
    Command3->setFocus();
}

void frmGuide::renderChartForScreen()
{
    const qreal ratio = devicePixelRatioF();
    if (!Picture1->picture().isNull() && Picture1->picture().devicePixelRatio() == ratio)
        return;
    Picture1->setPicture(QPixmap::fromImage(renderColourChart(ratio)));
}

} // namespace ui
