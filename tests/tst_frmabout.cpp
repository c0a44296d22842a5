#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/look.h"
#include "frmAbout/spacebreaklabel.h"
#include "tests/guifixture.h"

using gui::control;

namespace {

const QString MainCaption = QStringLiteral("Bandalyx v1.0");

// Stands in for the desktop's browser launcher: records what would have been opened.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// A line of text as it appears on screen: the box around its dark pixels.
struct InkLine
{
    int top;
    int bottom;
    int left;
    int right; // one past the last inked column
};

// Splits what a label shows into text lines: runs of pixel rows holding dark pixels.
QList<InkLine> inkLines(QWidget *window, const QWidget *label)
{
    const QImage image = window->grab(label->geometry()).toImage();
    auto isInk = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    QList<InkLine> lines;
    for (int y = 0; y < image.height(); ++y) {
        int left = image.width();
        int right = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(x, y)) {
                left = std::min(left, x);
                right = x + 1;
            }
        }
        if (right == 0)
            continue;
        // Rows a blank row or two apart belong to the same line: glyphs have gaps of their own.
        if (!lines.isEmpty() && y - lines.last().bottom <= 2) {
            InkLine &line = lines.last();
            line.bottom = y + 1;
            line.left = std::min(line.left, left);
            line.right = std::max(line.right, right);
        } else {
            lines.append({y, y + 1, left, right});
        }
    }
    return lines;
}

// Word wrap as a reader expects it: each line holds as many of its paragraph's words as fit.
QStringList wrapped(const QStringList &paragraphs, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    for (const QString &paragraph : paragraphs) {
        QString line;
        for (const QString &word : paragraph.split(u' ')) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines;
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captionComesFromTheMainWindow_data();
    void captionComesFromTheMainWindow();
    void eachOpeningReadsTheCaptionAgain();
    void closesAndIsDiscarded_data();
    void closesAndIsDiscarded();
    void focusChain_data();
    void focusChain();
    void makerButtonOpensTheShownPage_data();
    void makerButtonOpensTheShownPage();
    void unopenedPageLeavesItsAddressToCopy();
    void linesAsShown_data();
    void linesAsShown();
    void spaceRunsStartNewLines_data();
    void spaceRunsStartNewLines();
    void frameIsFixedAndPlaced();
    void controls_data();
    void controls();
    void textOnThePalette_data();
    void textOnThePalette();
    void etchedSeparator_data();
    void etchedSeparator();
    void programIcon();
    void modelessWithoutOwner();

private:
    bool open();
    QString shownAddress() const;

    QWidget *m_mainWindow = nullptr;
    QPointer<gui::AboutWindow> m_about;
    UrlRecorder m_recorder;
    QPalette m_themePalette;
};

void TestFrmAbout::initTestCase()
{
    app::useProgramLook();
    m_themePalette = QApplication::palette();
}

void TestFrmAbout::init()
{
    m_mainWindow = new QWidget;
    m_mainWindow->setWindowTitle(MainCaption);
    m_recorder.urls.clear();
    // No test may start a real browser.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_recorder, "open");
}

void TestFrmAbout::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    delete m_about;
    delete m_mainWindow;
    m_mainWindow = nullptr;
    QApplication::setPalette(m_themePalette);
}

// Opens the About window from the stand-in main window, as its menu does.
bool TestFrmAbout::open()
{
    m_about = new gui::AboutWindow(m_mainWindow);
    return gui::showAndWait(m_about, true);
}

void TestFrmAbout::captionComesFromTheMainWindow_data()
{
    QTest::addColumn<QString>("mainCaption");
    QTest::newRow("program name and version") << MainCaption;
    QTest::newRow("Hangul") << QStringLiteral("저항 판독기 v1.0");
    QTest::newRow("markup shown as typed") << QStringLiteral("<b>Bandalyx</b> v1.0");
}

void TestFrmAbout::captionComesFromTheMainWindow()
{
    QFETCH(QString, mainCaption);
    m_mainWindow->setWindowTitle(mainCaption);
    QVERIFY(open());

    QCOMPARE(m_about->windowTitle(), mainCaption);
    auto *title = control<QLabel>(m_about, QStringLiteral("lblTitle"));
    QCOMPARE(title->text(), mainCaption);
    // What is drawn is one line as wide as the caption's own characters.
    const QList<InkLine> lines = inkLines(m_about, title);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(qAbs(lines[0].right - title->fontMetrics().horizontalAdvance(mainCaption)) <= 3,
             qPrintable(QString::number(lines[0].right)));
}

void TestFrmAbout::eachOpeningReadsTheCaptionAgain()
{
    QVERIFY(open());
    auto *title = control<QLabel>(m_about, QStringLiteral("lblTitle"));
    QCOMPARE(title->text(), MainCaption);

    const QString renamed = QStringLiteral("Bandalyx v1.1");
    m_mainWindow->setWindowTitle(renamed);
    QCOMPARE(m_about->windowTitle(), MainCaption); // read once, when loaded

    m_about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_about.isNull());
    QVERIFY(open());
    QCOMPARE(m_about->windowTitle(), renamed);
    QCOMPARE(control<QLabel>(m_about, QStringLiteral("lblTitle"))->text(), renamed);
}

void TestFrmAbout::closesAndIsDiscarded_data()
{
    QTest::addColumn<QString>("focusOn");
    QTest::addColumn<int>("key"); // 0: click cmdOK with the mouse
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << "cmdOK" << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << "cmdOK" << int(Qt::Key_Enter)
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Escape") << "cmdOK" << int(Qt::Key_Escape) << Qt::KeyboardModifiers();
    QTest::newRow("Escape on the maker button")
        << "Command1" << int(Qt::Key_Escape) << Qt::KeyboardModifiers();
    QTest::newRow("click on 확인") << "cmdOK" << 0 << Qt::KeyboardModifiers();
}

void TestFrmAbout::closesAndIsDiscarded()
{
    QFETCH(QString, focusOn);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QVERIFY(open());
    if (focusOn != QLatin1String("cmdOK"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusOn);

    if (key == 0)
        QTest::mouseClick(control<QPushButton>(m_about, QStringLiteral("cmdOK")), Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);

    QVERIFY(m_about);
    QVERIFY(!m_about->isVisible());
    QVERIFY(m_recorder.urls.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_about.isNull());
}

void TestFrmAbout::focusChain_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("backTabs");
    QTest::addColumn<QString>("focused");
    QTest::newRow("on opening") << 0 << 0 << "cmdOK";
    QTest::newRow("Tab skips the labels") << 1 << 0 << "Command1";
    QTest::newRow("Tab twice comes round") << 2 << 0 << "cmdOK";
    QTest::newRow("Shift+Tab goes backwards") << 0 << 1 << "Command1";
}

void TestFrmAbout::focusChain()
{
    QFETCH(int, tabs);
    QFETCH(int, backTabs);
    QFETCH(QString, focused);
    QVERIFY(open());
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (int i = 0; i < backTabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
}

void TestFrmAbout::makerButtonOpensTheShownPage_data()
{
    QTest::addColumn<int>("key"); // 0: click with the mouse
    QTest::newRow("mouse click") << 0;
    QTest::newRow("Space on the focused button") << int(Qt::Key_Space);
    QTest::newRow("Return on the focused button") << int(Qt::Key_Return);
}

void TestFrmAbout::makerButtonOpensTheShownPage()
{
    QFETCH(int, key);
    QVERIFY(open());
    auto *button = control<QPushButton>(m_about, QStringLiteral("Command1"));
    if (key == 0) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, Qt::Key(key));
    }

    // The address opened is the one the credit shows.
    QCOMPARE(m_recorder.urls, QList<QUrl> {QUrl(shownAddress())});
    QCOMPARE(m_recorder.urls.value(0).scheme(), QStringLiteral("https"));
    QVERIFY(m_about);
    QVERIFY(m_about->isVisible());
}

void TestFrmAbout::unopenedPageLeavesItsAddressToCopy()
{
    // An opener that fails: Qt finds no such slot to call, so opening reports failure.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_recorder, "noSuchSlot");
    QVERIFY(open());
    QTest::mouseClick(control<QPushButton>(m_about, QStringLiteral("Command1")), Qt::LeftButton);

    auto *box = m_about->findChild<QMessageBox *>();
    QVERIFY(box && box->isVisible());
    QVERIFY(box->text().startsWith(QStringLiteral("웹 브라우저를 열지 못했습니다.")));
    // The address can be selected and copied from the box.
    auto *text = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(text);
    const QString address = shownAddress();
    text->setSelection(int(text->text().indexOf(address)), int(address.size()));
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), address);

    // Closing the message leaves the About window open.
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!box->isVisible());
    QVERIFY(m_about && m_about->isVisible());
}

// The page address the credit shows after "블로그:".
QString TestFrmAbout::shownAddress() const
{
    const QString credit = control<QLabel>(m_about, QStringLiteral("lblDescription"), 1)->text();
    return credit.split(u'\n').filter(QStringLiteral("블로그:")).value(0).section(u':', 1).trimmed();
}

void TestFrmAbout::linesAsShown_data()
{
    // Each row's paragraphs are what the runs of spaces separate; where a paragraph wraps
    // depends on the font, which differs between Linux and Windows.
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::newRow("description: the second sentence starts a line")
        << "lblDescription" << 0
        << QStringList {QStringLiteral("이 판독기는 저항종류에 맞는 저항색을 추출하여 "
                                       "저항수치를 알아내는 프로그램입니다."),
                        QStringLiteral("또한 누구나 사용 가능한 프리웨어입니다")};
    QTest::newRow("credit: one line each")
        << "lblDescription" << 1
        << QStringList {QStringLiteral("만든이: 2026년 12월 \"Bandalyx 개발팀\""),
                        QStringLiteral("이메일: bandalyx@example.org"),
                        QStringLiteral("블로그: https://bandalyx.example.org/")};
    QTest::newRow("disclaimer: the warning word stands alone")
        << "lblDisclaimer" << -1
        << QStringList {QStringLiteral("경고:"),
                        QStringLiteral("이 프로그램의 불법적인 사용은 전적으로 사용자에게 "
                                       "있음을 알립니다.")};
}

void TestFrmAbout::linesAsShown()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QStringList, paragraphs);
    QVERIFY(open());
    auto *label = control<QLabel>(m_about, name, index);
    const QStringList lines = wrapped(paragraphs, label->fontMetrics(), label->contentsRect().width());

    // Each line on screen starts at the left edge and is as wide as the words it should hold.
    const QList<InkLine> shown = inkLines(m_about, label);
    QCOMPARE(shown.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const int expected = label->fontMetrics().horizontalAdvance(lines[i]);
        // Ink may end short of the advance by the last glyph's side bearing (a colon's, in
        // Windows' font engine), never past it.
        QVERIFY2(shown[i].left <= 2 && shown[i].right - expected <= 3 && expected - shown[i].right <= 5,
                 qPrintable(QStringLiteral("line %1 spans %2..%3, \"%4\" is %5 wide")
                                .arg(i + 1)
                                .arg(shown[i].left)
                                .arg(shown[i].right)
                                .arg(lines[i])
                                .arg(expected)));
    }
    QVERIFY(shown.first().top <= 3); // captions sit at the top, not centred
    QVERIFY(shown.last().bottom < label->height()); // nothing cut off at the bottom
}

void TestFrmAbout::spaceRunsStartNewLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("single spaces wrap only at the edge") << QStringLiteral("가나다 라마바") << 1;
    QTest::newRow("two spaces start a new line") << QStringLiteral("가나다  라마바") << 2;
    QTest::newRow("each run starts one line")
        << QStringLiteral("가") + QString(7, u' ') + QStringLiteral("나   다") << 3;
    QTest::newRow("a long run leaves no blank lines")
        << QStringLiteral("경고:") + QString(55, u' ') + QStringLiteral("이") << 2;
}

void TestFrmAbout::spaceRunsStartNewLines()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QWidget window;
    window.resize(220, 120);
    ui::SpaceBreakLabel label(&window);
    label.setGeometry(0, 0, 200, 100);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setText(text);

    const QList<InkLine> shown = inkLines(&window, &label);
    QCOMPARE(shown.size(), lines);
    QCOMPARE(label.text(), text);
    // A layout asking how tall the label wants to be gets room for exactly those lines.
    QCOMPARE(label.heightForWidth(200), lines * label.fontMetrics().lineSpacing());
}

void TestFrmAbout::frameIsFixedAndPlaced()
{
    QVERIFY(open());
    QCOMPARE(m_about->size(), QSize(273, 266));
    QCOMPARE(m_about->minimumSize(), QSize(273, 266));
    QCOMPARE(m_about->maximumSize(), QSize(273, 266));
    QCOMPARE(m_about->geometry().topLeft(), QPoint(553, 117));
}

void TestFrmAbout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("title") << "lblTitle" << -1 << MainCaption << QRect(8, 16, 163, 16);
    QTest::newRow("description")
        << "lblDescription" << 0
        << QStringLiteral("이 판독기는 저항종류에 맞는 저항색을 추출하여 저항수치를 알아내는 "
                          "프로그램입니다.       또한 누구나 사용 가능한 프리웨어입니다")
        << QRect(8, 40, 259, 54);
    QTest::newRow("credit") << "lblDescription" << 1
                            << QStringLiteral("만든이: 2026년 12월 \"Bandalyx 개발팀\"\n"
                                              "이메일: bandalyx@example.org\n"
                                              "블로그: https://bandalyx.example.org/")
                            << QRect(8, 104, 259, 46);
    const QString disclaimer = QStringLiteral("경고:") + QString(55, u' ')
        + QStringLiteral("이 프로그램의 불법적인 사용은 전적으로 사용자에게 있음을 알립니다.");
    QTest::newRow("disclaimer") << "lblDisclaimer" << -1 << disclaimer << QRect(8, 160, 257, 47);
    QTest::newRow("maker button") << "Command1" << -1 << QStringLiteral("\"Bandalyx 개발팀\"")
                                  << QRect(8, 224, 121, 33);
    QTest::newRow("OK button") << "cmdOK" << -1 << QStringLiteral("확인")
                               << QRect(144, 224, 122, 31);
}

void TestFrmAbout::controls()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, rect);
    QVERIFY(open());
    const QWidget *widget = control(m_about, name, index);
    QCOMPARE(gui::caption(widget), caption);
    QCOMPARE(widget->geometry(), rect);
}

void TestFrmAbout::textOnThePalette_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text"); // the palette's
    QTest::addColumn<QColor>("ink"); // what the captions are drawn in
    QTest::newRow("light: black") << QColor(239, 239, 239) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("light with grey text: still black")
        << QColor(Qt::white) << QColor(96, 96, 96) << QColor(Qt::black);
    // qt6ct's "darker" scheme, where black text had a contrast of 1.3.
    QTest::newRow("dark: the palette's text") << QColor(66, 66, 66) << QColor(210, 210, 210)
                                              << QColor(210, 210, 210);
}

void TestFrmAbout::textOnThePalette()
{
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QFETCH(QColor, ink);
    QPalette palette = m_themePalette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    QApplication::setPalette(palette);
    QVERIFY(open());

    // Each caption's pixel farthest from the background lies inside a glyph: opaque in Hangul,
    // nearly so in the Latin title's thin strokes.
    const auto distance = [](QColor a, QColor b) {
        return std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                         qAbs(a.blue() - b.blue())});
    };
    for (QLabel *label : m_about->findChildren<QLabel *>()) {
        const QImage image = m_about->grab(label->geometry()).toImage();
        QColor farthest = window;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (distance(image.pixelColor(x, y), window) > distance(farthest, window))
                    farthest = image.pixelColor(x, y);
            }
        }
        QVERIFY2(distance(farthest, ink) <= 24,
                 qPrintable(label->objectName() + u' ' + farthest.name()));
    }
}

void TestFrmAbout::etchedSeparator_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("grey on top, left end") << QPoint(0, 216) << QColor(128, 128, 128);
    QTest::newRow("grey on top, middle") << QPoint(100, 216) << QColor(128, 128, 128);
    QTest::newRow("white beneath, middle") << QPoint(100, 217) << QColor(Qt::white);
    QTest::newRow("white beneath, right end") << QPoint(271, 217) << QColor(Qt::white);
}

void TestFrmAbout::etchedSeparator()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QVERIFY(open());
    const QImage image = m_about->grab().toImage();
    QCOMPARE(image.pixelColor(pixel), colour);
}

void TestFrmAbout::programIcon()
{
    QVERIFY(open());
    const QImage expected(QStringLiteral(":/bandalyx-16.png"));
    QVERIFY(!expected.isNull());
    const QImage shown = m_about->windowIcon().pixmap(QSize(16, 16)).toImage();
    const auto d = imagecompare::difference(expected, shown);
    QVERIFY2(!d, qPrintable(imagecompare::describe(d)));
}

void TestFrmAbout::modelessWithoutOwner()
{
    m_mainWindow->show();
    QVERIFY(open());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(m_about->parentWidget(), nullptr);
    // Keeps out of the task bar: a tool window.
    QCOMPARE(m_about->windowType(), Qt::Tool);

    // Closing the main window's object does not take the About window with it.
    delete m_mainWindow;
    m_mainWindow = nullptr;
    QVERIFY(m_about);
    QVERIFY(m_about->isVisible());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
