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
    : m_command1(new QPushButton(QStringLiteral("<-"), this)),
      m_command2(new QPushButton(QStringLiteral("->"), this)),
      m_command3(new QPushButton(QStringLiteral("닫기"), this)),
      m_picture1(new platform::PictureBox(this))
{
    setObjectName(QStringLiteral("frmGuide"));
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setFixedDialogFrame(this, ClientTwips, platform::TaskBar::OwnEntry);
    setWindowIcon(QIcon(QStringLiteral(":/bandalyx-16.png")));

    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    platform::placeInTwips(m_command1, geometryOf(Control::Command1));
    platform::placeInTwips(m_command2, geometryOf(Control::Command2));
    platform::placeInTwips(m_command3, geometryOf(Control::Command3));
    platform::placeInTwips(m_picture1, geometryOf(Control::Picture1));

    platform::setTabOrder({m_command3, m_command1, m_command2, m_picture1});
    m_command3->setFocus();

    // The arrow buttons are deliberately inert: the guide has a single page.
    connect(m_command3, &QPushButton::clicked, this, &frmGuide::Command3_Click);

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
    if (m_picture1->picture().isNull()) {
        renderChartForScreen();
        if (QWindow *window = windowHandle())
            connect(window, &QWindow::screenChanged, this, &frmGuide::renderChartForScreen);
    }
    m_command3->setFocus();
}

void frmGuide::renderChartForScreen()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_picture1->picture().isNull() && m_picture1->picture().devicePixelRatio() == ratio)
        return;
    m_picture1->setPicture(QPixmap::fromImage(renderColourChart(ratio)));
}
