#include "frmGuide/frmguide.h"

#include <array>

#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
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
    : Command1(new QPushButton(QStringLiteral("<-"))),
      Command2(new QPushButton(QStringLiteral("->"))),
      Command3(new QPushButton(QStringLiteral("닫기"))), Picture1(new platform::PictureBox),
      m_scroll(new QScrollArea(this))
{
    setObjectName(QStringLiteral("frmGuide"));
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setFixedDialogFrame(this, ClientTwips, platform::TaskBar::OwnEntry);

    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Picture1->setObjectName(QStringLiteral("Picture1"));

    // The controls lie on a page the size of the client area, in a scroll area that shows no
    // bars while the window holds the whole page. Page Up, Page Down and the up and down arrows
    // reach it from the focused button or picture, so it needs no tab stop of its own.
    // A font whose lines are taller than the layout's makes the chart taller, and the page and
    // the picture with it.
    const int taller = colourChartTableShift();
    auto *page = new QWidget;
    page->setFixedSize(platform::toPixels(ClientTwips.width()),
                       platform::toPixels(ClientTwips.height()) + taller);
    for (QWidget *control : {static_cast<QWidget *>(Command1), static_cast<QWidget *>(Command2),
                             static_cast<QWidget *>(Command3), static_cast<QWidget *>(Picture1)})
        control->setParent(page);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(page);
    platform::placeInTwips(Command1, geometryOf(Control::Command1));
    platform::placeInTwips(Command2, geometryOf(Control::Command2));
    platform::placeInTwips(Command3, geometryOf(Control::Command3));
    platform::placeInTwips(Picture1, geometryOf(Control::Picture1));
    Picture1->resize(Picture1->width(), Picture1->height() + taller);

    // Enter presses the focused button, as Space does and as in the other windows.
    for (QPushButton *b : {Command1, Command2, Command3})
        b->setAutoDefault(true);

    Picture1->setFocusPolicy(Qt::TabFocus);
    platform::setTabOrder({Command3, Command1, Command2, Picture1});
    Command3->setFocus();

    // The arrow buttons are deliberately inert: the guide has a single page.
    connect(Command3, &QPushButton::clicked, this, &frmGuide::Command3_Click);

    fitToScreen();
}

// A page too tall for the screen gets a vertical bar beside it, which may in turn make it too
// wide; the window is cut to the room and placed on the screen.
void frmGuide::fitToScreen()
{
    const QSize page = m_scroll->widget()->size();
    const QRect room = platform::roomOnScreen(this);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    const bool tooTall = page.height() > room.height();
    const bool tooWide = page.width() + (tooTall ? bar : 0) > room.width();
    const QSize size
        = QSize(page.width() + (tooTall ? bar : 0), page.height() + (tooWide ? bar : 0))
              .boundedTo(room.size())
              .expandedTo(QSize(1, 1));
    setFixedSize(size);
    m_scroll->setGeometry(rect());
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
