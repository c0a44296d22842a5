#include "frmAbout/frmabout.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>

#include "frmAbout/credits.h"
#include "frmAbout/spacebreaklabel.h"
#include "platform/line.h"
#include "platform/twips.h"
#include "platform/webpage.h"
#include "platform/window.h"

namespace ui {

namespace {

using platform::TwipRect;

// Where everything sits, in twips.
struct Layout
{
    QSize client;
    QPoint screenPosition;
    TwipRect lblTitle;
    TwipRect lblDescription0;
    TwipRect lblDescription1;
    TwipRect lblDisclaimer;
    int separatorY;
    int separatorRight;
    TwipRect Command1;
    TwipRect cmdOK;
};

constexpr Layout Twips {
    .client = {4095, 3990},
    .screenPosition = {8295, 1755},
    .lblTitle = {120, 240, 2445, 240},
    .lblDescription0 = {120, 600, 3885, 810},
    .lblDescription1 = {120, 1560, 3885, 690},
    .lblDisclaimer = {120, 2400, 3855, 705},
    .separatorY = 3240,
    .separatorRight = 4080,
    .Command1 = {120, 3360, 1815, 495},
    .cmdOK = {2160, 3360, 1830, 465},
};

// The captions push their second part onto a new line with a run of spaces.
QString spaces(int count)
{
    return QString(count, u' ');
}

QString descriptionText()
{
    return QStringLiteral("이 판독기는 저항종류에 맞는 저항색을 추출하여 저항수치를 알아내는 "
                          "프로그램입니다.")
        + spaces(7) + QStringLiteral("또한 누구나 사용 가능한 프리웨어입니다");
}

QString disclaimerText()
{
    return QStringLiteral("경고:") + spaces(55)
        + QStringLiteral("이 프로그램의 불법적인 사용은 전적으로 사용자에게 있음을 알립니다.");
}

QString creditText()
{
    return QStringLiteral("만든이: %1 \"%2\"\n이메일: %3\n블로그: %4")
        .arg(MonthMade, MakerName, EmailAddress, PageAddress);
}

// Captions are shown as typed, top-left, in black; on a theme whose window is darker than its
// text, black could not be read, and they keep the theme's text colour.
void setUpLabel(QLabel *label, const char *name, TwipRect rect)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    if (qGray(palette.color(QPalette::Window).rgb())
        >= qGray(palette.color(QPalette::WindowText).rgb())) {
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    platform::placeInTwips(label, rect);
}

template<typename T> void setIndex(T *element, const char *name, int index)
{
    element->setObjectName(QString::fromLatin1(name));
    element->setProperty("index", index);
}

} // namespace

frmAbout::frmAbout(const QWidget *mainWindow) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setFixedDialogFrame(this, Twips.client, platform::TaskBar::NoEntry);

    createLabels();

    // An etched separator: the grey line is made last so that it lies over the upper half of
    // the wider white one.
    const QPoint from(0, platform::toPixels(Twips.separatorY));
    const QPoint to(platform::toPixels(Twips.separatorRight), platform::toPixels(Twips.separatorY));
    Line1[0] = new platform::Line(from, to, Qt::white, 2, this);
    setIndex(Line1[0], "Line1", 0);
    Line1[1] = new platform::Line(from, to, QColor(128, 128, 128), 1, this);
    setIndex(Line1[1], "Line1", 1);

    Command1 = new QPushButton(QStringLiteral("\"%1\"").arg(MakerName), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    platform::placeInTwips(Command1, Twips.Command1);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    cmdOK = new QPushButton(QStringLiteral("확인"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    platform::placeInTwips(cmdOK, Twips.cmdOK);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    // Labels take no focus, so only the two buttons are in the chain.
    platform::setTabOrder({cmdOK, Command1});
    cmdOK->setFocus();

    Form_Load(mainWindow);
    // A font with taller lines than the layout's pushes the lines below down and the window
    // longer, rather than cutting its texts.
    platform::fitFrameToText(this);
    platform::placeClientAt(this, Twips.screenPosition);
}

void frmAbout::createLabels()
{
    lblTitle = new QLabel(this);
    setUpLabel(lblTitle, "lblTitle", Twips.lblTitle);

    lblDescription[0] = new SpaceBreakLabel(this);
    setUpLabel(lblDescription[0], "lblDescription", Twips.lblDescription0);
    setIndex(lblDescription[0], "lblDescription", 0);
    lblDescription[0]->setText(descriptionText());

    lblDescription[1] = new QLabel(this);
    setUpLabel(lblDescription[1], "lblDescription", Twips.lblDescription1);
    setIndex(lblDescription[1], "lblDescription", 1);
    lblDescription[1]->setWordWrap(true);
    lblDescription[1]->setText(creditText());

    lblDisclaimer = new SpaceBreakLabel(this);
    setUpLabel(lblDisclaimer, "lblDisclaimer", Twips.lblDisclaimer);
    lblDisclaimer->setText(disclaimerText());
}

void frmAbout::Form_Load(const QWidget *mainWindow)
{
    // Without a main window there is no caption to borrow; the window still opens.
    const QString caption = mainWindow ? mainWindow->windowTitle() : QString();
    setWindowTitle(caption);
    lblTitle->setText(caption);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // cmdOK is the cancel button as well as the default one: Escape clicks it too.
    if (event->matches(QKeySequence::Cancel)) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::Command1_Click()
{
    const QString address = PageAddress.toString();
    if (!platform::openWebPage(address))
        showUnopenedPage(address);
}

// No browser could be started: the address, selectable so that it can be copied by hand. The
// box is window-modal and closes with the About window.
void frmAbout::showUnopenedPage(const QString &address)
{
    auto *box = new QMessageBox(
        QMessageBox::Information, windowTitle(),
        QStringLiteral("웹 브라우저를 열지 못했습니다.\n아래 주소를 복사하여 브라우저에서 "
                       "열어 주세요.\n\n%1")
            .arg(address),
        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("msgPageAddress"));
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace ui
