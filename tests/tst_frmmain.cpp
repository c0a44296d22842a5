#include <memory>

#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QToolTip>

#include "app/look.h"
#include "engine/reversal.h"
#include "frmMain/words.h"
#include "platform/twips.h"
#include "tests/guifixture.h"

using namespace gui;
using platform::toPixels;

namespace {

// Which colour codes a band offers, as ReaderWindow::enabledColours() spells them.
const QString FirstDigit = "011111111100";
const QString OtherDigit = "111111111100";
const QString Tolerance = "011001111111";
const QString Tempco = "011110110100";

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ReaderWindow> m_window;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogFont();
    void textsAreWhole_data();
    void textsAreWhole();
    void startState();
    void coloursShowOnSwatchAndBand_data();
    void coloursShowOnSwatchAndBand();
    void kindSwitch_data();
    void kindSwitch();
    void bandArrangement_data();
    void bandArrangement();
    void colourClicks_data();
    void colourClicks();
    void noColourBandIsHatched_data();
    void noColourBandIsHatched();
    void resetKeepsTheBandAndItsButtons_data();
    void resetKeepsTheBandAndItsButtons();
    void kindChangeClearsTheHatch();
    void geometry_data();
    void geometry();
    void tabOrder();
    void tabMeetsTheSelectedBandOnce_data();
    void tabMeetsTheSelectedBandOnce();
    void fixedFrame();
    void menusOpenOneWindowEach_data();
    void menusOpenOneWindowEach();
    void guideIsCreatedHiddenAndAnew();
    void closingTheReaderClosesEverything();
    void screenReaderNames_data();
    void screenReaderNames();
    void keyboardAlone();
    void tooltips_data();
    void tooltips();
    void explanationsShowOnKeyboardFocus_data();
    void explanationsShowOnKeyboardFocus();
    void qtTextsAreKorean_data();
    void qtTextsAreKorean();
    void typedValue_data();
    void typedValue();
    void typedValueGivesWayToTheReading_data();
    void typedValueGivesWayToTheReading();
    void everySentenceWorded_data();
    void everySentenceWorded();
};

void TestFrmMain::initTestCase()
{
    app::useProgramLook();
}

void TestFrmMain::init()
{
    m_window = std::make_unique<ReaderWindow>();
    QVERIFY(showAndWait(m_window.get()));
}

void TestFrmMain::cleanup()
{
    QToolTip::hideText();
    m_window.reset();
}

// The family this machine's fonts give: BANDALYX_HANGUL_FAMILY by any of its names, or
// NanumGothic, which the layout was measured with.
void TestFrmMain::dialogFont()
{
    const QString expected = qEnvironmentVariable("BANDALYX_HANGUL_FAMILY", "NanumGothic");
    const QFont font = QApplication::font();
    qInfo("dialog font: %s, %d px, lines of %d px", qPrintable(font.family()), font.pixelSize(),
          QFontMetrics(font).height());
    QVERIFY(QFontDatabase::hasFamily(expected));
    QCOMPARE(font.family(), QFontInfo(QFont(expected)).family());
    QCOMPARE(font.pixelSize(), 12);
}

void TestFrmMain::textsAreWhole_data()
{
    QTest::addColumn<QString>("shown");
    QTest::newRow("reader") << "reader";
    QTest::newRow("a note under the value box") << "note";
    QTest::newRow("the value's tooltip") << "tooltip";
    QTest::newRow("About box") << "about";
    QTest::newRow("guide") << "guide";
}

// Whatever the Hangul font, every text has the room its lines need.
void TestFrmMain::textsAreWhole()
{
    QFETCH(QString, shown);
    QWidget *window = m_window.get();
    if (shown == QLatin1String("note")) {
        m_window->typeValue(QStringLiteral("0.001"));
        QVERIFY(!m_window->valueMessage().isEmpty());
    } else if (shown == QLatin1String("tooltip")) {
        QVERIFY(!tooltipOf(m_window->resultBox(0)).isEmpty());
        for (QWidget *w : QApplication::topLevelWidgets())
            window = w->inherits("QTipLabel") && w->isVisible() ? w : window;
        QVERIFY(window != m_window.get());
    } else if (shown == QLatin1String("about") || shown == QLatin1String("guide")) {
        (shown == QLatin1String("about") ? m_window->mnuAbout : m_window->mnuDecode)->trigger();
        window = shown == QLatin1String("about") ? static_cast<QWidget *>(m_window->aboutWindow())
                                                  : m_window->guideWindow();
        QVERIFY(window && showAndWait(window));
    }
    QStringList cut = cutTexts(window);
    if (shown == QLatin1String("guide"))
        cut += cutChartTexts();
    QVERIFY2(cut.isEmpty(), qPrintable(QApplication::font().family() + ": " + cut.join("; ")));
}

void TestFrmMain::startState()
{
    QCOMPARE(m_window->windowTitle(), "Bandalyx v1.0");
    // Captions by the names the window gives its controls, numbered from 1.
    const std::pair<QString, QStringList> captions[] = {
        {"Frame", {"저항 종류 선택", "띠 순번 선택", "색상 선택", "결과 보기"}},
        {"Option", KindCaptions + BandLetters},
        {"Command",
         {"흑색0", "갈색1", "적색2", "등색3", "황색4", "녹색5", "청색6", "보라7", "회색8", "흰색9",
          "금색10", "은색11", "초기화"}},
        {"Label", QStringList {"저항수치 :", "허용오차 :", "허용온도 :"} + BandLetters},
    };
    for (const auto &[prefix, texts] : captions) {
        for (int n = 1; n <= texts.size(); ++n)
            QCOMPARE(caption(m_window->control(prefix + QString::number(n))), texts[n - 1]);
    }
    for (int n = 0; n < 3; ++n)
        QVERIFY(m_window->resultBox(n)->alignment() & Qt::AlignRight);
    QVERIFY(!looksHatched(m_window->swatch(White)));
}

void TestFrmMain::coloursShowOnSwatchAndBand_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("band"); // one that offers the colour

    const QString bands = "BBACBBDBDCDD";
    for (int code = 0; code < CodeNames.size(); ++code)
        QTest::addRow("%s on %c", qPrintable(CodeNames[code]), bands[code].toLatin1())
            << code << QString(bands[code]);
}

void TestFrmMain::coloursShowOnSwatchAndBand()
{
    QFETCH(int, code);
    QFETCH(QString, band);

    QCOMPARE(m_window->swatchColour(code), colourOf(code));
    // Under its own button, as wide as the button.
    const QRect swatch = m_window->swatch(code)->geometry();
    const QRect button = m_window->colourButton(code)->geometry();
    QCOMPARE(swatch.left(), button.left());
    QCOMPARE(swatch.width(), button.width());
    QVERIFY(swatch.top() > button.center().y());

    m_window->choose(band);
    m_window->clickColour(code);
    QCOMPARE(m_window->bandColour(band), colourOf(code));
}

void TestFrmMain::kindSwitch_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("bandLefts"); // twips in Picture2; 0 for a hidden band
    QTest::addColumn<QList<int>>("letterLefts"); // twips in Frame4; 0 for a hidden letter

    // Leave a different reading behind first: six bands, band F set, then the kind under test.
    const QString away = "6색 F red B violet ";
    const QList<int> four {500, 1100, 1460, 2060, 0, 0};
    const QList<int> fourLetters {600, 1200, 1560, 2160, 0, 0};
    QTest::newRow("4 bands at start")
        << "" << QStringList {"10 Ω", "±5.00 ％, J", "-"} << four << fourLetters;
    QTest::newRow("4 bands") << away + "4색" << QStringList {"10 Ω", "±5.00 ％, J", "-"} << four
                             << fourLetters;
    QTest::newRow("5 bands") << away + "5색" << QStringList {"100 Ω", "±5.00 ％, J", "-"}
                             << QList<int> {500, 930, 1310, 1670, 2060, 0}
                             << QList<int> {600, 1050, 1420, 1780, 2160, 0};
    QTest::newRow("6 bands") << away + "4색 6색"
                             << QStringList {"100 Ω", "±5.00 ％, J", "100 ppm/℃"}
                             << QList<int> {500, 920, 1140, 1400, 1640, 2060}
                             << QList<int> {600, 1030, 1250, 1510, 1750, 2160};
}

void TestFrmMain::kindSwitch()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, shown);
    QFETCH(QList<int>, bandLefts);
    QFETCH(QList<int>, letterLefts);

    m_window->play(steps);
    QCOMPARE(m_window->results(), shown);
    const int count = int(bandLefts.size() - bandLefts.count(0));
    QVERIFY(m_window->option(KindCaptions[count - 4])->isChecked());
    QVERIFY(m_window->option("A")->isChecked());
    QCOMPARE(m_window->enabledColours(), FirstDigit);

    const QList<QColor> colours {colourOf(Brown), colourOf(Black), colourOf(Black),
                                 colourOf(Black), colourOf(Gold),  colourOf(Brown)};
    for (int i = 0; i < BandLetters.size(); ++i) {
        const QString &b = BandLetters[i];
        QCOMPARE(m_window->option(b)->isEnabled(), i < count);
        QCOMPARE(m_window->bandShape(b)->isVisibleTo(m_window.get()), i < count);
        QCOMPARE(m_window->bandLetter(b)->isVisibleTo(m_window.get()), i < count);
        if (i >= count)
            continue;
        const bool outer = i == 0 || i == count - 1;
        QCOMPARE(m_window->bandShape(b)->geometry(),
                 QRect(toPixels(bandLefts[i]), toPixels(outer ? 110 : 230), toPixels(135),
                       toPixels(outer ? 910 : 670)));
        QCOMPARE(m_window->bandLetter(b)->geometry(),
                 QRect(toPixels(letterLefts[i]), toPixels(1440), toPixels(255), toPixels(255)));
        QCOMPARE(m_window->bandColour(b),
                 i == count - 1 && count == 4 ? colourOf(Gold) : colours[i]);
    }
}

void TestFrmMain::bandArrangement_data()
{
    QTest::addColumn<QString>("steps"); // from the tolerance band, so a white nine comes back
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("nineCaption");

    QTest::newRow("4 bands, A first digit") << "D A" << FirstDigit << "흰색9";
    QTest::newRow("4 bands, B digit") << "D B" << OtherDigit << "흰색9";
    QTest::newRow("4 bands, C multiplier") << "D C" << OtherDigit << "흰색9";
    QTest::newRow("4 bands, D tolerance") << "D D" << Tolerance << "무색9";
    QTest::newRow("5 bands, C digit") << "5색 E C" << OtherDigit << "흰색9";
    QTest::newRow("5 bands, D multiplier") << "5색 E D" << OtherDigit << "흰색9";
    QTest::newRow("5 bands, E tolerance") << "5색 E E" << Tolerance << "무색9";
    QTest::newRow("6 bands, D multiplier") << "6색 E D" << OtherDigit << "흰색9";
    QTest::newRow("6 bands, E tolerance") << "6색 E E" << Tolerance << "무색9";
    QTest::newRow("6 bands, F tempco") << "6색 E F" << Tempco << "흰색9";
}

void TestFrmMain::bandArrangement()
{
    QFETCH(QString, steps);
    QFETCH(QString, enabled);
    QFETCH(QString, nineCaption);

    m_window->play(steps);
    QCOMPARE(m_window->enabledColours(), enabled);
    QCOMPARE(caption(m_window->colourButton(White)), nineCaption);
    QCOMPARE(looksHatched(m_window->swatch(White)), nineCaption == "무색9");
    if (nineCaption == "흰색9")
        QCOMPARE(m_window->swatchColour(White), colourOf(White));
}

void TestFrmMain::colourClicks_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("shown");

    const QString j = "±5.00 ％, J";
    QTest::newRow("yellow violet red gold reads 4.7 kilo-ohms")
        << "A yellow B violet C red D gold" << QStringList {"4.7 ㏀", j, "-"};
    QTest::newRow("red multiplier on band C") << "C red" << QStringList {"1 ㏀", j, "-"};
    QTest::newRow("red red green reads 2.2 mega-ohms")
        << "A red B red C green" << QStringList {"2.2 ㏁", j, "-"};
    QTest::newRow("silver tolerance")
        << "A red B red C yellow D silver" << QStringList {"220 ㏀", "±10.00 ％, K", "-"};
    QTest::newRow("4 bands no-colour tolerance")
        << "D white" << QStringList {"10 Ω", "±20.00 ％, M", "-"};
    QTest::newRow("5 bands 4.99 kilo-ohms")
        << "5색 A yellow B white C white D brown" << QStringList {"4.99 ㏀", j, "-"};
    QTest::newRow("5 bands white multiplier reads 999 giga-ohms")
        << "5색 A white B white C white D white" << QStringList {"999 GΩ", j, "-"};
    QTest::newRow("6 bands tempco and no-colour tolerance")
        << "6색 F yellow E white" << QStringList {"100 Ω", "±20.00 ％, M", "15 ppm/℃"};
    QTest::newRow("same colour twice") << "B brown B brown" << QStringList {"11 Ω", j, "-"};
}

void TestFrmMain::colourClicks()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, shown);
    m_window->play(steps);
    QCOMPARE(m_window->results(), shown);
}

void TestFrmMain::noColourBandIsHatched_data()
{
    QTest::addColumn<QString>("steps"); // the last one chooses the band
    QTest::addColumn<bool>("hatched");

    QTest::newRow("4 bands, D tolerance") << "D" << true;
    QTest::newRow("5 bands, D multiplier is white") << "5색 D" << false;
    QTest::newRow("5 bands, E tolerance") << "5색 E" << true;
    QTest::newRow("6 bands, E tolerance") << "6색 E" << true;
    QTest::newRow("6 bands, F tempco is white") << "6색 F" << false;
}

void TestFrmMain::noColourBandIsHatched()
{
    QFETCH(QString, steps);
    QFETCH(bool, hatched);

    m_window->play(steps);
    const QString band = steps.section(u' ', -1);
    m_window->clickColour(White);
    QCOMPARE(looksHatched(m_window->bandShape(band)), hatched);
    if (!hatched)
        QCOMPARE(m_window->bandColour(band), colourOf(White));

    // Any other colour makes the band solid again.
    m_window->clickColour(Red);
    QVERIFY(!looksHatched(m_window->bandShape(band)));
    QCOMPARE(m_window->bandColour(band), colourOf(Red));
}

void TestFrmMain::resetKeepsTheBandAndItsButtons_data()
{
    QTest::addColumn<QString>("steps"); // the last one chooses the band
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("enabled");

    QTest::newRow("4 bands, D no colour")
        << "B violet D" << QStringList {"10 Ω", "±5.00 ％, J", "-"} << Tolerance;
    QTest::newRow("5 bands, E no colour")
        << "5색 B violet E" << QStringList {"100 Ω", "±5.00 ％, J", "-"} << Tolerance;
    QTest::newRow("6 bands, F tempco")
        << "6색 B violet F" << QStringList {"100 Ω", "±5.00 ％, J", "100 ppm/℃"} << Tempco;
}

void TestFrmMain::resetKeepsTheBandAndItsButtons()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, shown);
    QFETCH(QString, enabled);

    m_window->play(steps + " white");
    const QString band = steps.section(u' ', -1);
    const QString nine = caption(m_window->colourButton(White));

    m_window->play("reset");

    QCOMPARE(m_window->results(), shown);
    QVERIFY(m_window->option(band)->isChecked());
    QCOMPARE(m_window->enabledColours(), enabled);
    QCOMPARE(caption(m_window->colourButton(White)), nine);
    QVERIFY(!looksHatched(m_window->bandShape(band)));
    QCOMPARE(m_window->bandColour(band), colourOf(band == "F" ? Brown : Gold));
    QCOMPARE(m_window->bandColour("B"), colourOf(Black));

    // The band still knows that nine means no colour here.
    m_window->clickColour(White);
    QCOMPARE(looksHatched(m_window->bandShape(band)), band != "F");
}

void TestFrmMain::kindChangeClearsTheHatch()
{
    m_window->play("D white");
    QVERIFY(looksHatched(m_window->bandShape("D")));
    m_window->choose("5색");
    QVERIFY(!looksHatched(m_window->bandShape("D")));
    QCOMPARE(m_window->bandColour("D"), colourOf(Black));
    QCOMPARE(caption(m_window->colourButton(White)), "흰색9");
}

void TestFrmMain::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("Frame1") << "Frame1" << QRect(208, 8, 209, 41);
    QTest::newRow("Frame4") << "Frame4" << QRect(8, 8, 193, 233);
    QTest::newRow("Option9") << "Option9" << QRect(168, 16, 25, 17);
    QTest::newRow("Command12") << "Command12" << QRect(152, 96, 49, 25);
    QTest::newRow("Shape18 swatch") << "Shape18" << QRect(152, 120, 49, 9);
    QTest::newRow("Picture2") << "Picture2" << QRect(8, 16, 177, 73);
    QTest::newRow("Text3") << "Text3" << QRect(72, 152, 113, 18);
    QTest::newRow("Command13") << "Command13" << QRect(8, 176, 177, 49);
}

void TestFrmMain::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QCOMPARE(m_window->control(name)->geometry(), pixels);
}

void TestFrmMain::tabOrder()
{
    const QStringList expected {
        "Option1",  "Option2",  "Option3",  "Option4",  "Option5",   "Option6",   "Command5",
        "Command6", "Command7", "Command8", "Command9", "Command10", "Command11", "Command12",
        "Option7",  "Option8",  "Option9",  "Text1",    "Text2",     "Text3",     "Command13",
        "Command1", "Command2", "Command3", "Command4", "Picture2"};
    QStringList chain;
    QWidget *w = m_window->option("4색");
    for (int i = 0; i < expected.size(); ++i) {
        chain << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w->objectName().isEmpty() || w->focusPolicy() == Qt::NoFocus);
    }
    QCOMPARE(chain, expected);
}

void TestFrmMain::tabMeetsTheSelectedBandOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("band");
    QTest::addColumn<bool>("byKeys"); // else selected from code, the focus staying where it is
    QTest::addColumn<QString>("thenKind"); // chosen by keys afterwards; empty for none
    QTest::addColumn<QString>("before"); // the stop just before the band group's

    QTest::newRow("E by keys, then 4 bands by keys: A, disabled E is no stop")
        << "5색"
        << "E" << true << "4색"
        << "Option1";
    // Gold and silver, the last colour stops, are off for the tempco band.
    QTest::newRow("F selected from code: F, not the A last focused") << "6색"
                                                                     << "F" << false << ""
                                                                     << "Command10";
}

void TestFrmMain::tabMeetsTheSelectedBandOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, band);
    QFETCH(bool, byKeys);
    QFETCH(QString, thenKind);
    QFETCH(QString, before);

    QVERIFY(showAndWait(m_window.get(), true));
    const auto press = [](Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = {}) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    m_window->choose(kind); // a click leaves the focus on the kind
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->option("A"));
    if (byKeys)
        press(Qt::Key_Right, int(BandLetters.indexOf(band)));
    else
        m_window->option(band)->setChecked(true);
    QVERIFY(m_window->option(band)->isChecked());
    if (!thenKind.isEmpty()) {
        QObject *kinds = m_window->option(kind)->parent();
        for (int i = 0; i < 40 && QApplication::focusWidget()->parent() != kinds; ++i)
            press(Qt::Key_Tab, 1, Qt::ShiftModifier);
        press(Qt::Key_Left, int(KindCaptions.indexOf(kind) - KindCaptions.indexOf(thenKind)));
        QVERIFY(m_window->option(thenKind)->isChecked());
    }

    // One whole cycle, from the next stop back to it: the focus itself may rest on an option
    // that is no longer a stop.
    press(Qt::Key_Tab);
    QStringList cycle;
    QWidget *start = QApplication::focusWidget();
    do {
        press(Qt::Key_Tab);
        cycle << QApplication::focusWidget()->objectName();
    } while (QApplication::focusWidget() != start && cycle.size() < 60);
    const QStringList bands = cycle.filter(QRegularExpression("^Option[4-9]$"));
    QString selected;
    for (const QString &b : BandLetters)
        selected = m_window->option(b)->isChecked() ? m_window->option(b)->objectName() : selected;
    QCOMPARE(bands, QStringList {selected});
    const qsizetype at = cycle.indexOf(bands.first());
    QCOMPARE(cycle.value((at + cycle.size() - 1) % cycle.size()), before);
}

void TestFrmMain::fixedFrame()
{
    const QSize client = m_window->centralWidget()->size();
    QCOMPARE(client, QSize(425, 250));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->windowIcon().availableSizes().value(0), QSize(16, 16));
}

void TestFrmMain::menusOpenOneWindowEach_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("about");

    QTest::newRow("Alt+H opens the guide") << int(Qt::Key_H) << "Bandalyx v1.0 도움말" << false;
    QTest::newRow("Alt+A opens About") << int(Qt::Key_A) << "Bandalyx v1.0" << true;
}

void TestFrmMain::menusOpenOneWindowEach()
{
    QFETCH(int, key);
    QFETCH(QString, title);
    QFETCH(bool, about);

    const QStringList captions {m_window->mnuDecode->text(), m_window->mnuAbout->text()};
    QCOMPARE(captions, QStringList({"판독법(&H)", "정보(&A)"}));
    QVERIFY(m_window->mnuDecode->menu() == nullptr && m_window->mnuAbout->menu() == nullptr);

    const auto opened = [&]() -> QWidget * {
        if (about)
            return m_window->aboutWindow();
        return m_window->guideWindow();
    };
    QVERIFY(showAndWait(m_window.get(), true));
    QTest::keyClick(m_window.get(), Qt::Key(key), Qt::AltModifier);
    QWidget *first = opened();
    QVERIFY(first);
    QTRY_VERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), title);

    m_window->activateWindow();
    QTest::keyClick(m_window.get(), Qt::Key(key), Qt::AltModifier);
    QCOMPARE(opened(), first);
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += w->isVisible() && w->windowTitle() == title && w != m_window.get();
    QCOMPARE(windows, 1);
    QTRY_COMPARE(QApplication::activeWindow(), first);
}

void TestFrmMain::guideIsCreatedHiddenAndAnew()
{
    QPointer<GuideWindow> guide = m_window->guideWindow();
    QVERIFY(guide);
    QVERIFY(!guide->isVisible());
    QCOMPARE(guide->windowTitle(), "Bandalyx v1.0 도움말");

    m_window->mnuDecode->trigger();
    QVERIFY(guide->isVisible());
    guide->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guide);

    m_window->mnuDecode->trigger();
    QVERIFY(m_window->guideWindow());
    QVERIFY(m_window->guideWindow()->isVisible());
    QCOMPARE(m_window->guideWindow()->windowTitle(), "Bandalyx v1.0 도움말");
}

void TestFrmMain::closingTheReaderClosesEverything()
{
    m_window->mnuDecode->trigger();
    m_window->mnuAbout->trigger();
    QPointer<QWidget> guide = m_window->guideWindow();
    QPointer<QWidget> about = m_window->aboutWindow();
    QVERIFY(guide && guide->isVisible());
    QVERIFY(about && about->isVisible());

    QVERIFY(m_window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guide || !guide->isVisible());
    QVERIFY(!about || !about->isVisible());
    m_window.reset();
    QVERIFY(!guide);
    QVERIFY(!about);
}

void TestFrmMain::screenReaderNames_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("value box") << ""
                               << "Text1"
                               << "저항수치";
    QTest::newRow("tolerance box") << ""
                                   << "Text2"
                                   << "허용오차";
    QTest::newRow("tempco box") << ""
                                << "Text3"
                                << "허용온도";
    QTest::newRow("band A at start") << ""
                                     << "Shape1"
                                     << "A 갈색";
    QTest::newRow("band D at start") << ""
                                     << "Shape4"
                                     << "D 금색";
    QTest::newRow("band B repainted") << "B violet"
                                      << "Shape2"
                                      << "B 보라";
    QTest::newRow("band D without colour") << "D white"
                                           << "Shape4"
                                           << "D 무색";
    QTest::newRow("band D solid again") << "D white D red"
                                        << "Shape4"
                                        << "D 적색";
    QTest::newRow("swatch") << ""
                            << "Shape14"
                            << "보라";
    QTest::newRow("kind option") << ""
                                 << "Option2"
                                 << "5색";
    QTest::newRow("white nine") << ""
                                << "Command10"
                                << "흰색9";
    QTest::newRow("no-colour nine") << "D"
                                    << "Command10"
                                    << "무색9";
    QTest::newRow("reset") << ""
                           << "Command13"
                           << "초기화";
    QTest::newRow("picture") << ""
                             << "Picture2"
                             << "저항 그림";
}

void TestFrmMain::screenReaderNames()
{
    QFETCH(QString, steps);
    QFETCH(QString, control);
    QFETCH(QString, name);

    m_window->play(steps);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(m_window->control(control));
    QVERIFY(a);
    QCOMPARE(a->text(QAccessible::Name), name);
}

// The whole reader works without a mouse: arrows in the option groups, Space and Enter on
// buttons, Tab between them.
void TestFrmMain::keyboardAlone()
{
    QVERIFY(showAndWait(m_window.get(), true));
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    m_window->option("4색")->setFocus();
    press(Qt::Key_Right);
    QVERIFY(m_window->option("5색")->isChecked());
    QCOMPARE(m_window->results(), QStringList({"100 \u2126", "±5.00 ％, J", "-"}));

    m_window->option("A")->setFocus();
    press(Qt::Key_Right);
    QVERIFY(m_window->option("B")->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->colourButton(Yellow));
    press(Qt::Key_Space); // yellow on band B
    QCOMPARE(m_window->results().first(), "140 \u2126");
    press(Qt::Key_Tab);
    press(Qt::Key_Return); // green on band B
    QCOMPARE(m_window->results().first(), "150 \u2126");

    m_window->resetButton()->setFocus();
    press(Qt::Key_Enter);
    QCOMPARE(m_window->results().first(), "100 \u2126");
}

void TestFrmMain::tooltips_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tooltip");

    const QString all = "표준값: E6, E12, E24, E48, E96, E192";
    const QString fourSeven = "A yellow B violet C red";
    const QString goldLeads = "반대쪽(D부터)에서는 읽을 수 없음: D 띠(금색)는 첫 숫자가 될 수 없음";
    QTest::newRow("value at start") << "" << "Text1" << "10 \u2126\n" + all;
    QTest::newRow("tolerance at start") << "" << "Text2" << "허용 범위: 9.5 \u2126 – 10.5 \u2126";
    QTest::newRow("value 4.7 kilo-ohms")
        << fourSeven << "Text1" << "4 700 \u2126\n표준값: E6, E12, E24, E192";
    QTest::newRow("tolerance of 4.7 kilo-ohms")
        << fourSeven << "Text2" << "허용 범위: 4.465 ㏀ – 4.935 ㏀";
    QTest::newRow("picture of 4.7 kilo-ohms: colours, both ends, lookalikes")
        << fourSeven << "Picture2"
        << "황색 보라 적색 금색\nA부터: 4.7 ㏀ ±5 ％ (E24 표준값)\n" + goldLeads
            + "\nD 띠가 은색이면 4.7 ㏀ ±10 ％ (E6 표준값)\nC 띠가 갈색이면 470 \u2126 (E6 표준값)"
              "\nC 띠가 등색이면 47 ㏀ (E6 표준값)";
    // 4.5 ㏀ is no E24 value: its neighbours in that series follow the series line.
    QTest::newRow("value not in its series")
        << fourSeven + " B green" << "Text1"
        << "4 500 \u2126\n표준 계열(E6\u2013E192)에 없는 값\nE24 가까운 표준값: 4.3 ㏀, 4.7 ㏀";
    QTest::newRow("value after reset") << fourSeven + " reset" << "Text1" << "10 \u2126\n" + all;
    QTest::newRow("picture read both ways, the tolerance in doubt")
        << "5색 D brown E brown" << "Picture2"
        << "갈색 흑색 흑색 갈색 갈색\nA부터: 1 ㏀ ±1 ％ (E96 표준값)\n"
           "반대쪽(E부터): 110 \u2126 ±1 ％ (E96 표준값)\n"
           "E 띠가 적색이면 1 ㏀ ±2 ％ (E6 표준값)\nE 띠가 녹색이면 1 ㏀ ±0.5 ％ (E6 표준값)\n"
           "A 띠가 적색이면 2 ㏀ (E24 표준값)";
    QTest::newRow("value on 6 bands") << "6색" << "Text1" << "100 \u2126\n" + all;
    QTest::newRow("no coefficient explained") << "6색" << "Text3" << "";
    // Gold could be orange to some eyes, but orange is no tolerance: the coefficient comes first.
    QTest::newRow("picture of 6 bands, the coefficient in doubt")
        << "6색" << "Picture2"
        << "갈색 흑색 흑색 흑색 금색 갈색\nA부터: 100 \u2126 ±5 ％ 100 ppm/℃ (E24 표준값)\n"
           "반대쪽(F부터)에서는 읽을 수 없음: E 띠(금색)는 숫자가 될 수 없음\n"
           "E 띠가 은색이면 100 \u2126 ±10 ％ (E6 표준값)\n"
           "F 띠가 적색이면 100 \u2126 50 ppm/℃ (E6 표준값)\nA 띠가 적색이면 200 \u2126 (E24 표준값)";
    QTest::newRow("a band without colour is named so, and never in doubt")
        << "D white" << "Picture2"
        << "갈색 흑색 흑색 무색\nA부터: 10 \u2126 ±20 ％ (E6 표준값)\n"
           "반대쪽(D부터)에서는 읽을 수 없음: D 띠(무색)는 띠가 없는 자리라 첫 숫자가 될 수 없음\n"
           "A 띠가 적색이면 20 \u2126\nA 띠가 녹색이면 50 \u2126";
    // 2.1 and 5.5 ㏀ are no E24 values: the standard values a doubtful band gives come first.
    QTest::newRow("2.1 kilo-ohms: brown and red mistaken")
        << "A red B brown C red" << "Picture2"
        << "적색 갈색 적색 금색\nA부터: 2.1 ㏀ ±5 ％ (E24 표준값 아님)\n" + goldLeads
            + "\nB 띠가 적색이면 2.2 ㏀ (E6 표준값)\nA 띠가 갈색이면 1.1 ㏀ (E24 표준값)"
              "\nA 띠가 녹색이면 5.1 ㏀ (E24 표준값)";
    QTest::newRow("5.5 kilo-ohms: green and brown mistaken")
        << "A green B green C red" << "Picture2"
        << "녹색 녹색 적색 금색\nA부터: 5.5 ㏀ ±5 ％ (E24 표준값 아님)\n" + goldLeads
            + "\nB 띠가 갈색이면 5.1 ㏀ (E24 표준값)\nA 띠가 갈색이면 1.5 ㏀ (E6 표준값)"
              "\nD 띠가 은색이면 5.5 ㏀ ±10 ％";
}

// Each tooltip is asked for first, so that a stale one would show after the steps.
void TestFrmMain::tooltips()
{
    QFETCH(QString, steps);
    QFETCH(QString, control);
    QFETCH(QString, tooltip);

    QWidget *w = m_window->control(control);
    tooltipOf(w);
    m_window->play(steps);
    QCOMPARE(tooltipOf(w), tooltip);
    if (w == m_window->picture())
        QCOMPARE(w->accessibleDescription(), tooltip);
}

void TestFrmMain::explanationsShowOnKeyboardFocus_data()
{
    QTest::addColumn<QString>("from"); // focused first, by no key
    QTest::addColumn<int>("key"); // 0: a click on `to` instead
    QTest::addColumn<QString>("to");

    QTest::newRow("Tab to the tolerance") << "Text1" << int(Qt::Key_Tab) << "Text2";
    QTest::newRow("Shift+Tab to the value") << "Text2" << int(Qt::Key_Backtab) << "Text1";
    QTest::newRow("Tab to the picture") << "Command4" << int(Qt::Key_Tab) << "Picture2";
    QTest::newRow("a click: the mouse has its hover") << "Text1" << 0 << "Text2";
}

void TestFrmMain::explanationsShowOnKeyboardFocus()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);

    QVERIFY(showAndWait(m_window.get(), true));
    m_window->play("A yellow B violet C red");
    m_window->control(from)->setFocus();
    QWidget *target = m_window->control(to);
    if (key != 0)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    else
        QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(!target->toolTip().isEmpty());
    if (key == 0) {
        QCoreApplication::processEvents();
        QVERIFY(!QToolTip::isVisible());
        return;
    }
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), target->toolTip());
}

void TestFrmMain::qtTextsAreKorean_data()
{
    QTest::addColumn<bool>("menu"); // else a message box's buttons
    QTest::addColumn<QStringList>("texts");

    const QStringList edits {"실행 취소(&U)", "다시 실행(&R)", "잘라내기(&T)", "복사(&C)",
                             "붙여넣기(&P)",  "삭제",          "모두 선택"};
    QTest::newRow("the value box's context menu") << true << edits;
    QTest::newRow("a message box's button") << false << QStringList {"확인"};
}

void TestFrmMain::qtTextsAreKorean()
{
    QFETCH(bool, menu);
    QFETCH(QStringList, texts);

    QStringList shown;
    if (menu) {
        const std::unique_ptr<QMenu> m(m_window->resultBox(0)->createStandardContextMenu());
        for (const QAction *a : m->actions()) {
            if (!a->isSeparator())
                shown << a->text().section(u'\t', 0, 0);
        }
    } else {
        QMessageBox box(QMessageBox::Information, m_window->windowTitle(), QString(),
                        QMessageBox::Ok, m_window.get());
        for (const QAbstractButton *b : box.buttons())
            shown << b->text();
    }
    QCOMPARE(shown, texts);
}

void TestFrmMain::typedValue_data()
{
    QTest::addColumn<QString>("before"); // steps, leaving a band selected and a tolerance set
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown"); // the result boxes afterwards
    QTest::addColumn<QString>("bands"); // the colours drawn, band A on
    // Part of the message, or after "=" all of it; empty when applied.
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("box"); // typed into: 0 value, 1 tolerance, 2 temperature coefficient

    const QStringList silverStart {"10 \u2126", "±10.00 ％, K", "-"};
    QTest::newRow("letter code on 4 bands")
        << "D silver B"
        << "4K7" << QStringList {"4.7 ㏀", "±10.00 ％, K", "-"} << "yellow violet red silver"
        << "" << 0;
    QTest::newRow("three figures on 5 bands, full-width digits")
        << "5색 E brown C"
        << "４.７５ k\u2126" << QStringList {"4.75 ㏀", "±1.00 ％, F", "-"}
        << "yellow violet green brown brown"
        << "" << 0;
    QTest::newRow("mega-ohms on 6 bands, tempco kept")
        << "6색 F red F"
        << "2.2 ㏁" << QStringList {"2.2 ㏁", "±5.00 ％, J", "50 ppm/℃"}
        << "red red black yellow gold red"
        << "" << 0;
    QTest::newRow("three figures refused on 4 bands")
        << "D silver B"
        << "4.75 ㏀" << silverStart << "brown black black silver"
        << "5색, 6색 저항으로는 나타낼 수 있습니다. 4색에서 가까운 값: 4.7 ㏀, 4.8 ㏀" << 0;
    QTest::newRow("below the smallest 5-band value")
        << "5색 A"
        << "47R" << QStringList {"100 \u2126", "±5.00 ％, J", "-"} << "brown black black black gold"
        << "5색 저항은 100 \u2126부터" << 0;
    QTest::newRow("milli is never mega") << "D silver B"
                                         << "2.2m" << silverStart << "brown black black silver"
                                         << "대문자 M" << 0;
    QTest::newRow("nonsense") << "D silver B"
                              << "abc" << silverStart << "brown black black silver"
                              << "값으로 읽을 수 없습니다" << 0;
    QTest::newRow("whole marking on 4 bands")
        << "D silver B"
        << "4K7J" << QStringList {"4.7 ㏀", "±5.00 ％, J", "-"} << "yellow violet red gold"
        << "" << 0;
    QTest::newRow("marking with a coefficient on 6 bands")
        << "6색 A"
        << "10K F 50ppm" << QStringList {"10 ㏀", "±1.00 ％, F", "50 ppm/℃"}
        << "brown black black red brown red"
        << "" << 0;
    QTest::newRow("Korean unit word")
        << "D silver B"
        << "4.7킬로옴" << QStringList {"4.7 ㏀", "±10.00 ％, K", "-"} << "yellow violet red silver"
        << "" << 0;
    QTest::newRow("too small on 5 bands names 4 bands")
        << "5색 A"
        << "47" << QStringList {"100 \u2126", "±5.00 ％, J", "-"} << "brown black black black gold"
        << "4색 저항으로는 나타낼 수 있습니다." << 0;
    QTest::newRow("tolerance by percent")
        << "B"
        << "1%" << QStringList {"10 \u2126", "±1.00 ％, F", "-"} << "brown black black brown"
        << "" << 1;
    QTest::newRow("tolerance by letter on 5 bands")
        << "5색 C"
        << "D" << QStringList {"100 \u2126", "±0.50 ％, D", "-"} << "brown black black black green"
        << "" << 1;
    QTest::newRow("tolerance of a resistor without that band")
        << "B"
        << "±20 %" << QStringList {"10 \u2126", "±20.00 ％, M", "-"} << "brown black black hatched"
        << "" << 1;
    QTest::newRow("tolerance refused")
        << "B"
        << "XYZ 1%" << QStringList {"10 \u2126", "±5.00 ％, J", "-"} << "brown black black gold"
        << "허용오차로 읽을 수 없습니다. 예: 5%, ±1 %, J. 4색 저항의 허용오차: ±0.05 ％(A)" << 1;
    QTest::newRow("tolerance no colour has")
        << "5색 B"
        << "3%" << QStringList {"100 \u2126", "±5.00 ％, J", "-"} << "brown black black black gold"
        << "±3 ％ 허용오차를 나타내는 색이 없습니다." << 1;
    QTest::newRow("coefficient per kelvin")
        << "6색 B"
        << "50 ppm/K" << QStringList {"100 \u2126", "±5.00 ％, J", "50 ppm/℃"}
        << "brown black black black gold red"
        << "" << 2;
    // Up and Down step the value box through its tolerance's series, Page Up and Down a decade.
    QTest::newRow("Up on 4 bands: next E24 value")
        << "A yellow B violet C red B"
        << "[Up]" << QStringList {"5.1 ㏀", "±5.00 ％, J", "-"} << "green brown red gold"
        << "" << 0;
    QTest::newRow("Down on 4 bands") << "A yellow B violet C red B"
                                     << "[Down]" << QStringList {"4.3 ㏀", "±5.00 ％, J", "-"}
                                     << "yellow orange red gold"
                                     << "" << 0;
    QTest::newRow("Up on 5 bands from a value not in E96")
        << "5색 A yellow B violet D brown E brown C"
        << "[Up]" << QStringList {"4.75 ㏀", "±1.00 ％, F", "-"} << "yellow violet green brown brown"
        << "" << 0;
    QTest::newRow("Down on 5 bands") << "5색 A yellow B violet D brown E brown C"
                                     << "[Down]" << QStringList {"4.64 ㏀", "±1.00 ％, F", "-"}
                                     << "yellow blue yellow brown brown"
                                     << "" << 0;
    QTest::newRow("Up on 6 bands, tempco kept")
        << "6색 A"
        << "[Up]" << QStringList {"110 \u2126", "±5.00 ％, J", "100 ppm/℃"}
        << "brown brown black black gold brown"
        << "" << 0;
    QTest::newRow("Down under the smallest 6-band value")
        << "6색 A"
        << "[Down]" << QStringList {"100 \u2126", "±5.00 ％, J", "100 ppm/℃"}
        << "brown black black black gold brown"
        << "=너무 작은 값입니다. 6색 저항은 100 \u2126부터 나타냅니다." << 0;
    QTest::newRow("Page Up on 4 bands") << "A yellow B violet C red B"
                                        << "[PgUp]" << QStringList {"47 ㏀", "±5.00 ％, J", "-"}
                                        << "yellow violet orange gold"
                                        << "" << 0;
    QTest::newRow("Page Down under the smallest 4-band value")
        << "B"
        << "[PgDown]" << QStringList {"10 \u2126", "±5.00 ％, J", "-"} << "brown black black gold"
        << "4색 저항은 10 \u2126부터" << 0;
    QTest::newRow("coefficient on 4 bands")
        << "B"
        << "50ppm" << QStringList {"10 \u2126", "±5.00 ％, J", "-"} << "brown black black gold"
        << "4색 저항에는 온도계수 띠가 없습니다." << 2;
}

void TestFrmMain::typedValue()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(QString, bands);
    QFETCH(QString, message);
    QFETCH(int, box);

    // Keys named in brackets are pressed instead of typing.
    const QHash<QString, Qt::Key> keys {{"[Up]", Qt::Key_Up},
                                        {"[Down]", Qt::Key_Down},
                                        {"[PgUp]", Qt::Key_PageUp},
                                        {"[PgDown]", Qt::Key_PageDown}};
    const bool pressed = keys.contains(typed);

    QVERIFY(showAndWait(m_window.get(), true));
    m_window->play(before);
    const QString band = before.split(u' ').last();
    const QString enabled = m_window->enabledColours();
    const QString tip = tooltipOf(m_window->resultBox(0));
    if (pressed)
        m_window->typeValue(QString(), keys[typed], box);
    else
        m_window->typeValue(typed, Qt::Key_Return, box);

    for (int other = 0; other < 3; ++other) {
        if (other != box || message.isEmpty() || pressed)
            QCOMPARE(m_window->resultBox(other)->text(), shown[other]);
    }
    const QStringList colours = bands.split(u' ');
    for (int b = 0; b < colours.size(); ++b) {
        if (colours[b] == QLatin1String("hatched"))
            QVERIFY(looksHatched(m_window->bandShape(BandLetters[b])));
        else
            QCOMPARE(m_window->bandColour(BandLetters[b]),
                     colourOf(int(CodeNames.indexOf(colours[b]))));
    }
    QVERIFY(m_window->option(band)->isChecked());
    QCOMPARE(m_window->enabledColours(), enabled);
    if (message.isEmpty()) {
        QVERIFY(m_window->valueMessage().isEmpty());
        return;
    }
    // Refused: the typed text stays to be mended, the message says why, nothing else changed.
    if (!pressed)
        QCOMPARE(m_window->resultBox(box)->text(), typed);
    if (message.startsWith(u'='))
        QCOMPARE(m_window->valueMessage(), message.mid(1));
    else
        QVERIFY2(m_window->valueMessage().contains(message), qPrintable(m_window->valueMessage()));
    QCOMPARE(m_window->resultBox(box)->accessibleDescription(), m_window->valueMessage());
    QCOMPARE(tooltipOf(m_window->resultBox(0)), tip);
}

void TestFrmMain::typedValueGivesWayToTheReading_data()
{
    QTest::addColumn<int>("key"); // 0: the focus leaves for a band option instead
    QTest::addColumn<int>("box");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0;
    QTest::newRow("the focus leaves") << 0 << 0;
    QTest::newRow("Escape in the tolerance box") << int(Qt::Key_Escape) << 1;
    QTest::newRow("the focus leaves the tolerance box") << 0 << 1;
    QTest::newRow("the focus leaves the temperature box") << 0 << 2;
}

// Neither Escape nor leaving a box lets it show what the bands do not say.
void TestFrmMain::typedValueGivesWayToTheReading()
{
    QFETCH(int, key);
    QFETCH(int, box);
    QVERIFY(showAndWait(m_window.get(), true));
    m_window->typeValue("1x", Qt::Key_Return, box);
    QVERIFY(!m_window->valueMessage().isEmpty());
    // The note goes with the first edit, and the edit stays.
    m_window->typeValue("4X", Qt::Key_unknown, box);
    QVERIFY(m_window->valueMessage().isEmpty());
    QCOMPARE(m_window->resultBox(box)->text(), "4X");
    m_window->typeValue("4X", Qt::Key_Return, box);
    QVERIFY(!m_window->valueMessage().isEmpty());
    if (key != 0)
        QTest::keyClick(m_window->resultBox(box), Qt::Key(key));
    else
        m_window->choose("B");
    QCOMPARE(m_window->results(), QStringList({"10 \u2126", "±5.00 ％, J", "-"}));
    QVERIFY(m_window->valueMessage().isEmpty());
    QVERIFY(m_window->resultBox(box)->accessibleDescription().isEmpty());
}

void TestFrmMain::everySentenceWorded_data()
{
    QTest::addColumn<int>("what"); // 0 to 2: the note of the value, tolerance or tempco box; 3 the picture
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("input"); // typed, or the picture's band codes from A on
    QTest::addColumn<QString>("words");

    const QString examples = " 예: 4.7k, 4K7, 4 700, 2.2 ㏁";
    const QString positive = " 0보다 큰 값을 입력하세요.";
    const QString tolerances = "±0.05 ％(A), ±0.1 ％(B), ±0.25 ％(C), ±0.5 ％(D), ±1 ％(F), "
                               "±2 ％(G), ±5 ％(J), ±10 ％(K), ±20 ％(M)";
    const QString tempcos = "6색 저항의 온도계수: 1, 5, 10, 15, 25, 50, 100 ppm/℃";
    QTest::newRow("empty") << 0 << 4 << "" << "값을 입력하세요." + examples;
    QTest::newRow("too long") << 0 << 4 << QString(65, '1') << "입력이 너무 깁니다." + examples;
    QTest::newRow("unparseable") << 0 << 4 << "4.7.1" << "값으로 읽을 수 없습니다." + examples;
    QTest::newRow("decimal comma")
        << 0 << 4 << "4,7k" << "쉼표는 천 단위를 나눌 때만 씁니다. 소수점은 마침표로 쓰세요(예: 4.7k).";
    QTest::newRow("not ohms") << 0 << 4 << "4.7 kV"
                              << "저항값은 옴(\u2126) 단위로 입력하세요. 예: 4.7k, 4.7 ㏀, 470 ohm";
    QTest::newRow("lower-case m")
        << 0 << 4 << "2.2m" << "소문자 m은 밀리(1/1000)입니다. 메가옴은 대문자 M으로 쓰세요(예: 2.2M).";
    QTest::newRow("zero") << 0 << 4 << "0" << "0 \u2126은 나타낼 수 없습니다." + positive;
    QTest::newRow("negative") << 0 << 4 << "−4.7k" << "저항값은 음수일 수 없습니다." + positive;
    QTest::newRow("too small, another kind shows it")
        << 0 << 5 << "99"
        << "너무 작은 값입니다. 5색 저항은 100 \u2126부터 나타냅니다. 4색 저항으로는 나타낼 수 있습니다.";
    QTest::newRow("too large, other kinds show it")
        << 0 << 4 << "100G"
        << "너무 큰 값입니다. 4색 저항은 99 G\u2126까지 나타냅니다. 5색, 6색 저항으로는 나타낼 수 "
           "있습니다.";
    QTest::newRow("too many figures, other kinds show it")
        << 0 << 4 << "4.75 ㏀"
        << "유효 숫자가 3자리입니다. 4색 저항은 2자리까지 나타냅니다. 5색, 6색 저항으로는 나타낼 수 "
           "있습니다. 4색에서 가까운 값: 4.7 ㏀, 4.8 ㏀";
    QTest::newRow("too many figures for any kind")
        << 0 << 5 << "4 753"
        << "유효 숫자가 4자리입니다. 5색 저항은 3자리까지 나타냅니다. 어느 종류로도 나타낼 수 "
           "없습니다. 5색에서 가까운 값: 4.75 ㏀, 4.76 ㏀";
    QTest::newRow("a marking's tolerance no colour has")
        << 0 << 4 << "4.7k 3%" << "±3 ％ 허용오차를 나타내는 색이 없습니다. 4색 저항의 허용오차: " + tolerances;
    QTest::newRow("tolerance unreadable")
        << 1 << 4 << "XYZ 1%" << "허용오차로 읽을 수 없습니다. 예: 5%, ±1 %, J. 4색 저항의 허용오차: " + tolerances;
    QTest::newRow("tempco unreadable")
        << 2 << 6 << "50 ppb" << "온도계수로 읽을 수 없습니다. 예: 50ppm, 50 ppm/℃. " + tempcos;
    QTest::newRow("tempco no colour has")
        << 2 << 6 << "20ppm" << "20 ppm/℃ 온도계수를 나타내는 색이 없습니다. " + tempcos;
    QTest::newRow("no tempco band")
        << 2 << 5 << "50ppm" << "5색 저항에는 온도계수 띠가 없습니다. 온도계수는 6색 저항에만 있습니다.";
    QTest::newRow("both ways, not standard, with a coefficient")
        << 3 << 6 << "9 1 0 1 1 1"
        << "A부터: 9.1 ㏀ ±1 ％ 100 ppm/℃ (E96 표준값 아님)\n"
           "반대쪽(F부터): 111 \u2126 ±1 ％ 1 ppm/℃ (E96 표준값 아님)";
    QTest::newRow("white as the tolerance")
        << 3 << 4 << "9 1 2 1"
        << "A부터: 9.1 ㏀ ±1 ％ (E96 표준값 아님)\n반대쪽(D부터)에서는 읽을 수 없음: "
           "A 띠(흰색)는 허용오차 자리에서 무색으로 읽혀 허용오차가 될 수 없음";
    QTest::newRow("a missing band, and no forward reading")
        << 3 << 4 << "0 1 2 9"
        << "A부터는 읽을 수 없음: A 띠(흑색)는 첫 숫자가 될 수 없음\n"
           "반대쪽(D부터)에서는 읽을 수 없음: D 띠(무색)는 띠가 없는 자리라 첫 숫자가 될 수 없음";
}

// Each sentence once, whole, as the window shows it; the causes and their numbers are the
// engine's tests'.
void TestFrmMain::everySentenceWorded()
{
    QFETCH(int, what);
    QFETCH(int, bands);
    QFETCH(QString, input);
    QFETCH(QString, words);

    const bandalyx::Kind kind = bandalyx::AllKinds[std::size_t(bands - 4)];
    const std::string typed = input.toStdString();
    QString shown;
    if (what == 0) {
        shown = ui::noteOf(readTypedValue(typed, kind).refusal.value());
    } else if (what < 3) {
        const bandalyx::TypedMark mark = what == 1 ? bandalyx::readTypedTolerance(typed, kind)
                                                   : bandalyx::readTypedTempco(typed, kind);
        shown = ui::noteOf(mark.refusal.value());
    } else {
        bandalyx::BandSequence codes {};
        const QStringList list = input.split(u' ');
        for (int i = 0; i < list.size(); ++i)
            codes[std::size_t(i)] = list[i].toInt();
        shown = ui::directionsTooltip(bandalyx::directionsOf(kind, codes));
    }
    QCOMPARE(shown, words);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
