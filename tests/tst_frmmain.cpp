#include <memory>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "frmAbout/frmabout.h"
#include "frmGuide/frmguide.h"
#include "frmMain/frmmain.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "tools/imagecompare.h"

using platform::toPixels;

namespace {

// Twelve characters, one per colour code 0..11: '1' for an enabled button.
using Pattern = QString;
const Pattern FirstDigit = "011111111100";
const Pattern OtherDigit = "111111111100";
const Pattern Tolerance = "011001111111";
const Pattern Tempco = "011110110100";

QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

const QColor Brown = rgb(128, 64, 0);
const QColor Black = rgb(0, 0, 0);
const QColor Gold = rgb(204, 204, 0);
const QColor Red = rgb(255, 0, 0);
const QColor White = rgb(255, 255, 255);

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmMain> m_window;

    template<typename W> W *control(const char *name) const
    {
        W *w = m_window->findChild<W *>(QLatin1String(name));
        if (!w)
            qFatal("no control named %s", name);
        return w;
    }
    QRadioButton *option(int n) const
    {
        return control<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(n)));
    }
    QPushButton *command(int n) const
    {
        return control<QPushButton>(qPrintable(QStringLiteral("Command%1").arg(n)));
    }
    platform::Shape *shape(int n) const
    {
        return control<platform::Shape>(qPrintable(QStringLiteral("Shape%1").arg(n)));
    }
    QLabel *label(int n) const
    {
        return control<QLabel>(qPrintable(QStringLiteral("Label%1").arg(n)));
    }

    // A user clicks an option on its indicator: the caption may be narrower than the option.
    void choose(int optionNumber)
    {
        QRadioButton *o = option(optionNumber);
        QVERIFY2(o->isEnabled(), qPrintable(o->objectName() + " is disabled"));
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
        QVERIFY(o->isChecked());
    }
    void clickColour(int code)
    {
        QPushButton *b = command(code + 1);
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName() + " is disabled"));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QStringList results() const
    {
        return {control<QLineEdit>("Text1")->text(), control<QLineEdit>("Text2")->text(),
                control<QLineEdit>("Text3")->text()};
    }
    Pattern enabledColours() const
    {
        Pattern p;
        for (int n = 1; n <= 12; ++n)
            p += command(n)->isEnabled() ? '1' : '0';
        return p;
    }
    QImage picture() const { return control<QWidget>("Picture2")->grab().toImage(); }
    // The colour a user sees in the middle of band `n` (1 = A).
    QColor bandColour(int n) const { return picture().pixelColor(shape(n)->geometry().center()); }
    QList<QRect> bandRects() const
    {
        QList<QRect> rects;
        for (int n = 1; n <= 6; ++n)
            rects << (shape(n)->isVisibleTo(m_window.get()) ? shape(n)->geometry() : QRect());
        return rects;
    }
    QList<QRect> letterRects() const
    {
        QList<QRect> rects;
        for (int n = 4; n <= 9; ++n)
            rects << (label(n)->isVisibleTo(m_window.get()) ? label(n)->geometry() : QRect());
        return rects;
    }
    // Black hatch lines over the resistor picture: some pixels black, others the picture's own.
    bool looksHatched(int n) const
    {
        const QImage seen = picture();
        const QImage under = control<platform::PictureBox>("Picture2")->picture().toImage();
        const QRect r = shape(n)->geometry();
        int black = 0, pictureShows = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = seen.pixelColor(x, y);
                black += c == Black;
                pictureShows
                    += c != Black && imagecompare::withinOneStep(c.rgb(), under.pixel(x, y));
            }
        }
        const int area = r.width() * r.height();
        return black > area / 10 && pictureShows > area / 3;
    }
    bool swatchLooksHatched() const
    {
        QWidget *frame = control<QWidget>("Frame3");
        const QImage seen = frame->grab().toImage();
        const QRect r = shape(16)->geometry();
        int black = 0, white = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                black += seen.pixelColor(x, y) == Black;
                white += seen.pixelColor(x, y) == White;
            }
        }
        return black > 0 && white == 0;
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startState();
    void swatchesShowTheirColours_data();
    void swatchesShowTheirColours();
    void kindSwitch_data();
    void kindSwitch();
    void bandArrangement_data();
    void bandArrangement();
    void colourClicks_data();
    void colourClicks();
    void bandsPaintTheirColour_data();
    void bandsPaintTheirColour();
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
    void tooltipsFollowTheReading();
};

void TestFrmMain::initTestCase()
{
    platform::useDialogFont();
}

void TestFrmMain::init()
{
    m_window = std::make_unique<frmMain>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestFrmMain::cleanup()
{
    m_window.reset();
}

void TestFrmMain::startState()
{
    QCOMPARE(m_window->windowTitle(), "Bandalyx v1.0");
    const QStringList frames {"저항 종류 선택", "띠 순번 선택", "색상 선택", "결과 보기"};
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(control<QGroupBox>(qPrintable(QStringLiteral("Frame%1").arg(n)))->title(),
                 frames[n - 1]);
    const QStringList options {"4색", "5색", "6색", "A", "B", "C", "D", "E", "F"};
    for (int n = 1; n <= 9; ++n)
        QCOMPARE(option(n)->text(), options[n - 1]);
    const QStringList colours {"흑색0", "갈색1", "적색2", "등색3",  "황색4",  "녹색5", "청색6",
                               "보라7", "회색8", "흰색9", "금색10", "은색11", "초기화"};
    for (int n = 1; n <= 13; ++n)
        QCOMPARE(command(n)->text(), colours[n - 1]);
    const QStringList labels {"저항수치 :", "허용오차 :", "허용온도 :", "A", "B",
                              "C",          "D",          "E",          "F"};
    for (int n = 1; n <= 9; ++n)
        QCOMPARE(label(n)->text(), labels[n - 1]);

    QVERIFY(option(1)->isChecked());
    QVERIFY(option(4)->isChecked());
    QVERIFY(!option(8)->isEnabled());
    QVERIFY(!option(9)->isEnabled());
    QCOMPARE(results(), QStringList({"10 Ω", "±5.00 ％, J", "-"}));
    for (const char *box : {"Text1", "Text2", "Text3"})
        QVERIFY(control<QLineEdit>(box)->alignment() & Qt::AlignRight);
    QCOMPARE(enabledColours(), FirstDigit);
    QVERIFY(!swatchLooksHatched());

    const QList<QColor> bands {Brown, Black, Black, Gold};
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(bandColour(n), bands[n - 1]);
}

void TestFrmMain::swatchesShowTheirColours_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("colour");
    const QList<QColor> colours {Black,
                                 Brown,
                                 Red,
                                 rgb(255, 128, 64),
                                 rgb(255, 255, 0),
                                 rgb(0, 128, 0),
                                 rgb(0, 0, 255),
                                 rgb(204, 102, 255),
                                 rgb(128, 128, 128),
                                 White,
                                 Gold,
                                 rgb(192, 192, 192)};
    const char *names[] = {"black", "brown",  "red",  "orange", "yellow", "green",
                           "blue",  "violet", "grey", "white",  "gold",   "silver"};
    for (int code = 0; code < 12; ++code)
        QTest::newRow(names[code]) << code << colours[code];
}

void TestFrmMain::swatchesShowTheirColours()
{
    QFETCH(int, code);
    QFETCH(QColor, colour);
    const QImage frame = control<QWidget>("Frame3")->grab().toImage();
    platform::Shape *swatch = shape(7 + code);
    QCOMPARE(frame.pixelColor(swatch->geometry().center()), colour);
    // Under its own button, as wide as the button.
    const QRect button = command(code + 1)->geometry();
    QCOMPARE(swatch->geometry().left(), button.left());
    QCOMPARE(swatch->geometry().width(), button.width());
    QVERIFY(swatch->geometry().top() > button.center().y());
}

void TestFrmMain::kindSwitch_data()
{
    QTest::addColumn<int>("kindOption");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("bandE");
    QTest::addColumn<bool>("bandF");
    QTest::addColumn<QList<int>>("bandLefts"); // twips in Picture2; 0 for a hidden band
    QTest::addColumn<QList<int>>("letterLefts"); // twips in Frame4; 0 for a hidden letter

    QTest::newRow("4 bands") << 1 << QStringList {"10 Ω", "±5.00 ％, J", "-"} << false << false
                             << QList<int> {500, 1100, 1460, 2060, 0, 0}
                             << QList<int> {600, 1200, 1560, 2160, 0, 0};
    QTest::newRow("5 bands") << 2 << QStringList {"100 Ω", "±5.00 ％, J", "-"} << true << false
                             << QList<int> {500, 930, 1310, 1670, 2060, 0}
                             << QList<int> {600, 1050, 1420, 1780, 2160, 0};
    QTest::newRow("6 bands") << 3 << QStringList {"100 Ω", "±5.00 ％, J", "100 ppm/℃"} << true
                             << true << QList<int> {500, 920, 1140, 1400, 1640, 2060}
                             << QList<int> {600, 1030, 1250, 1510, 1750, 2160};
}

void TestFrmMain::kindSwitch()
{
    QFETCH(int, kindOption);
    QFETCH(QStringList, shown);
    QFETCH(bool, bandE);
    QFETCH(bool, bandF);
    QFETCH(QList<int>, bandLefts);
    QFETCH(QList<int>, letterLefts);

    // Leave a different reading behind first: six bands, band F set, then the kind under test.
    choose(3);
    choose(9);
    clickColour(2);
    choose(5);
    clickColour(7);
    if (kindOption == 3)
        choose(1);
    choose(kindOption);

    QCOMPARE(results(), shown);
    QVERIFY(option(4)->isChecked());
    QCOMPARE(option(8)->isEnabled(), bandE);
    QCOMPARE(option(9)->isEnabled(), bandF);
    QCOMPARE(enabledColours(), FirstDigit);

    const int count = int(bandLefts.size() - bandLefts.count(0));
    QList<QRect> bands, letters;
    for (int i = 0; i < 6; ++i) {
        const bool outer = i == 0 || i == count - 1;
        bands << (bandLefts[i] ? QRect(toPixels(bandLefts[i]), toPixels(outer ? 110 : 230),
                                       toPixels(135), toPixels(outer ? 910 : 670))
                               : QRect());
        letters << (letterLefts[i] ? QRect(toPixels(letterLefts[i]), toPixels(1440), toPixels(255),
                                           toPixels(255))
                                   : QRect());
    }
    QCOMPARE(bandRects(), bands);
    QCOMPARE(letterRects(), letters);

    const QList<QColor> colours {Brown, Black, Black, Black, Gold, Brown};
    for (int n = 1; n <= count; ++n) {
        const QColor expected = n == count && count == 4 ? Gold : colours[n - 1];
        QCOMPARE(bandColour(n), expected);
    }
}

void TestFrmMain::bandArrangement_data()
{
    QTest::addColumn<int>("kindOption");
    QTest::addColumn<int>("bandOption");
    QTest::addColumn<Pattern>("enabled");
    QTest::addColumn<QString>("nineCaption");

    QTest::newRow("4 bands, A first digit") << 1 << 4 << FirstDigit << "흰색9";
    QTest::newRow("4 bands, B digit") << 1 << 5 << OtherDigit << "흰색9";
    QTest::newRow("4 bands, C multiplier") << 1 << 6 << OtherDigit << "흰색9";
    QTest::newRow("4 bands, D tolerance") << 1 << 7 << Tolerance << "무색9";
    QTest::newRow("5 bands, C digit") << 2 << 6 << OtherDigit << "흰색9";
    QTest::newRow("5 bands, D multiplier") << 2 << 7 << OtherDigit << "흰색9";
    QTest::newRow("5 bands, E tolerance") << 2 << 8 << Tolerance << "무색9";
    QTest::newRow("6 bands, D multiplier") << 3 << 7 << OtherDigit << "흰색9";
    QTest::newRow("6 bands, E tolerance") << 3 << 8 << Tolerance << "무색9";
    QTest::newRow("6 bands, F tempco") << 3 << 9 << Tempco << "흰색9";
}

void TestFrmMain::bandArrangement()
{
    QFETCH(int, kindOption);
    QFETCH(int, bandOption);
    QFETCH(Pattern, enabled);
    QFETCH(QString, nineCaption);

    if (kindOption != 1)
        choose(kindOption);
    // Come from the tolerance band, so a white nine has to be restored.
    if (kindOption == 1)
        choose(7);
    else
        choose(8);
    choose(bandOption);

    QCOMPARE(enabledColours(), enabled);
    QCOMPARE(command(10)->text(), nineCaption);
    QCOMPARE(swatchLooksHatched(), nineCaption == "무색9");
    if (nineCaption == "흰색9") {
        const QImage frame = control<QWidget>("Frame3")->grab().toImage();
        QCOMPARE(frame.pixelColor(shape(16)->geometry().center()), White);
    }
}

void TestFrmMain::colourClicks_data()
{
    QTest::addColumn<int>("kindOption");
    QTest::addColumn<QList<int>>("clicks"); // pairs: band option, colour code
    QTest::addColumn<QStringList>("shown");

    const QString j = "±5.00 ％, J";
    QTest::newRow("yellow violet red gold reads 4.7 kilo-ohms")
        << 1 << QList<int> {4, 4, 5, 7, 6, 2, 7, 10} << QStringList {"4.7 ㏀", j, "-"};
    QTest::newRow("red multiplier on band C")
        << 1 << QList<int> {6, 2} << QStringList {"1 ㏀", j, "-"};
    QTest::newRow("red red green reads 2.2 mega-ohms")
        << 1 << QList<int> {4, 2, 5, 2, 6, 5} << QStringList {"2.2 ㏁", j, "-"};
    QTest::newRow("silver tolerance")
        << 1 << QList<int> {4, 2, 5, 2, 6, 4, 7, 11} << QStringList {"220 ㏀", "±10.00 ％, K", "-"};
    QTest::newRow("4 bands no-colour tolerance")
        << 1 << QList<int> {7, 9} << QStringList {"10 Ω", "±20.00 ％, M", "-"};
    QTest::newRow("5 bands 4.99 kilo-ohms")
        << 2 << QList<int> {4, 4, 5, 9, 6, 9, 7, 1} << QStringList {"4.99 ㏀", j, "-"};
    QTest::newRow("5 bands white multiplier reads 999 giga-ohms")
        << 2 << QList<int> {4, 9, 5, 9, 6, 9, 7, 9} << QStringList {"999 GΩ", j, "-"};
    QTest::newRow("6 bands tempco and no-colour tolerance")
        << 3 << QList<int> {9, 4, 8, 9} << QStringList {"100 Ω", "±20.00 ％, M", "15 ppm/℃"};
    QTest::newRow("same colour twice")
        << 1 << QList<int> {5, 1, 5, 1} << QStringList {"11 Ω", j, "-"};
}

void TestFrmMain::colourClicks()
{
    QFETCH(int, kindOption);
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, shown);

    if (kindOption != 1)
        choose(kindOption);
    for (qsizetype i = 0; i + 1 < clicks.size(); i += 2) {
        choose(clicks[i]);
        clickColour(clicks[i + 1]);
    }
    QCOMPARE(results(), shown);
}

void TestFrmMain::bandsPaintTheirColour_data()
{
    QTest::addColumn<int>("bandOption");
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("black on B") << 5 << 0 << Black;
    QTest::newRow("brown on B") << 5 << 1 << Brown;
    QTest::newRow("red on A") << 4 << 2 << Red;
    QTest::newRow("orange on C") << 6 << 3 << rgb(255, 128, 64);
    QTest::newRow("yellow on B") << 5 << 4 << rgb(255, 255, 0);
    QTest::newRow("green on B") << 5 << 5 << rgb(0, 128, 0);
    QTest::newRow("blue on D") << 7 << 6 << rgb(0, 0, 255);
    QTest::newRow("violet on B") << 5 << 7 << rgb(204, 102, 255);
    QTest::newRow("grey on D") << 7 << 8 << rgb(128, 128, 128);
    QTest::newRow("white on C") << 6 << 9 << White;
    QTest::newRow("gold on D") << 7 << 10 << Gold;
    QTest::newRow("silver on D") << 7 << 11 << rgb(192, 192, 192);
}

void TestFrmMain::bandsPaintTheirColour()
{
    QFETCH(int, bandOption);
    QFETCH(int, code);
    QFETCH(QColor, colour);

    choose(bandOption);
    clickColour(code);
    QCOMPARE(bandColour(bandOption - 3), colour);
}

void TestFrmMain::noColourBandIsHatched_data()
{
    QTest::addColumn<int>("kindOption");
    QTest::addColumn<int>("bandOption");
    QTest::addColumn<bool>("hatched");

    QTest::newRow("4 bands, D tolerance") << 1 << 7 << true;
    QTest::newRow("5 bands, D multiplier is white") << 2 << 7 << false;
    QTest::newRow("5 bands, E tolerance") << 2 << 8 << true;
    QTest::newRow("6 bands, E tolerance") << 3 << 8 << true;
    QTest::newRow("6 bands, F tempco is white") << 3 << 9 << false;
}

void TestFrmMain::noColourBandIsHatched()
{
    QFETCH(int, kindOption);
    QFETCH(int, bandOption);
    QFETCH(bool, hatched);

    if (kindOption != 1)
        choose(kindOption);
    choose(bandOption);
    clickColour(9);
    const int band = bandOption - 3;
    QCOMPARE(looksHatched(band), hatched);
    if (!hatched)
        QCOMPARE(bandColour(band), White);

    // Any other colour makes the band solid again.
    clickColour(2);
    QVERIFY(!looksHatched(band));
    QCOMPARE(bandColour(band), Red);
}

void TestFrmMain::resetKeepsTheBandAndItsButtons_data()
{
    QTest::addColumn<int>("kindOption");
    QTest::addColumn<int>("bandOption");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<Pattern>("enabled");

    QTest::newRow("4 bands, D no colour")
        << 1 << 7 << QStringList {"10 Ω", "±5.00 ％, J", "-"} << Tolerance;
    QTest::newRow("5 bands, E no colour")
        << 2 << 8 << QStringList {"100 Ω", "±5.00 ％, J", "-"} << Tolerance;
    QTest::newRow("6 bands, F tempco")
        << 3 << 9 << QStringList {"100 Ω", "±5.00 ％, J", "100 ppm/℃"} << Tempco;
}

void TestFrmMain::resetKeepsTheBandAndItsButtons()
{
    QFETCH(int, kindOption);
    QFETCH(int, bandOption);
    QFETCH(QStringList, shown);
    QFETCH(Pattern, enabled);

    if (kindOption != 1)
        choose(kindOption);
    choose(5);
    clickColour(7);
    choose(bandOption);
    clickColour(9);
    const QString nine = command(10)->text();

    QTest::mouseClick(command(13), Qt::LeftButton);

    QCOMPARE(results(), shown);
    QVERIFY(option(bandOption)->isChecked());
    QCOMPARE(enabledColours(), enabled);
    QCOMPARE(command(10)->text(), nine);
    const int band = bandOption - 3;
    QVERIFY(!looksHatched(band));
    QCOMPARE(bandColour(band), bandOption == 9 ? Brown : Gold);
    QCOMPARE(bandColour(2), Black);

    // The band still knows that nine means no colour here.
    clickColour(9);
    QCOMPARE(looksHatched(band), bandOption != 9);
}

void TestFrmMain::kindChangeClearsTheHatch()
{
    choose(7);
    clickColour(9);
    QVERIFY(looksHatched(4));
    choose(2);
    QVERIFY(!looksHatched(4));
    QCOMPARE(bandColour(4), Black);
    QCOMPARE(command(10)->text(), "흰색9");
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
    QCOMPARE(control<QWidget>(qPrintable(name))->geometry(), pixels);
}

void TestFrmMain::tabOrder()
{
    const QStringList expected {
        "Option1",  "Option2",  "Option3",  "Option4",  "Option5",   "Option6",   "Command5",
        "Command6", "Command7", "Command8", "Command9", "Command10", "Command11", "Command12",
        "Option7",  "Option8",  "Option9",  "Text1",    "Text2",     "Text3",     "Command13",
        "Command1", "Command2", "Command3", "Command4", "Picture2"};
    QStringList chain;
    QWidget *w = option(1);
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
    QTest::addColumn<int>("kindOption");
    QTest::addColumn<int>("bandOption");
    QTest::addColumn<bool>("byKeys"); // else selected from code, the focus staying where it is
    QTest::addColumn<int>("thenKindOption"); // chosen by keys afterwards; 0 for none
    QTest::addColumn<QString>("before"); // the stop just before the band group's

    QTest::newRow("E by keys, then 4 bands by keys: A, disabled E is no stop")
        << 2 << 8 << true << 1 << "Option1";
    // Gold and silver, the last colour stops, are off for the tempco band.
    QTest::newRow("F selected from code: F, not the A last focused")
        << 3 << 9 << false << 0 << "Command10";
}

void TestFrmMain::tabMeetsTheSelectedBandOnce()
{
    QFETCH(int, kindOption);
    QFETCH(int, bandOption);
    QFETCH(bool, byKeys);
    QFETCH(int, thenKindOption);
    QFETCH(QString, before);

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    choose(kindOption); // a click leaves the focus on the kind
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), option(4));
    if (byKeys) {
        for (int n = 4; n < bandOption; ++n)
            press(Qt::Key_Right);
    } else {
        option(bandOption)->setChecked(true);
    }
    QVERIFY(option(bandOption)->isChecked());
    if (thenKindOption != 0) {
        for (int i = 0; i < 40 && QApplication::focusWidget()->parent() != option(1)->parent(); ++i)
            press(Qt::Key_Tab, Qt::ShiftModifier);
        for (int n = kindOption; n > thenKindOption; --n)
            press(Qt::Key_Left);
        QVERIFY(option(thenKindOption)->isChecked());
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
    QWidget *selected = option(4);
    for (int n = 5; n <= 9; ++n)
        selected = option(n)->isChecked() ? option(n) : selected;
    QCOMPARE(bands, QStringList {selected->objectName()});
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

    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key(key), Qt::AltModifier);
    QWidget *first = about ? static_cast<QWidget *>(m_window->aboutWindow())
                           : static_cast<QWidget *>(m_window->guideWindow());
    QVERIFY(first);
    QTRY_VERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), title);

    m_window->activateWindow();
    QTest::keyClick(m_window.get(), Qt::Key(key), Qt::AltModifier);
    QWidget *second = about ? static_cast<QWidget *>(m_window->aboutWindow())
                            : static_cast<QWidget *>(m_window->guideWindow());
    QCOMPARE(second, first);
    int windows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows += w->isVisible() && w->windowTitle() == title && w != m_window.get();
    QCOMPARE(windows, 1);
    QTRY_COMPARE(QApplication::activeWindow(), first);
}

void TestFrmMain::guideIsCreatedHiddenAndAnew()
{
    QPointer<frmGuide> guide = m_window->guideWindow();
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
    QTest::addColumn<QList<int>>("clicks"); // pairs: band option, colour code
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("value box") << QList<int> {} << "Text1"
                               << "저항수치";
    QTest::newRow("tolerance box") << QList<int> {} << "Text2"
                                   << "허용오차";
    QTest::newRow("tempco box") << QList<int> {} << "Text3"
                                << "허용온도";
    QTest::newRow("band A at start") << QList<int> {} << "Shape1"
                                     << "A 갈색";
    QTest::newRow("band D at start") << QList<int> {} << "Shape4"
                                     << "D 금색";
    QTest::newRow("band B repainted") << QList<int> {5, 7} << "Shape2"
                                      << "B 보라";
    QTest::newRow("band D without colour") << QList<int> {7, 9} << "Shape4"
                                           << "D 무색";
    QTest::newRow("band D solid again") << QList<int> {7, 9, 7, 2} << "Shape4"
                                        << "D 적색";
    QTest::newRow("swatch") << QList<int> {} << "Shape14"
                            << "보라";
    QTest::newRow("kind option") << QList<int> {} << "Option2"
                                 << "5색";
    QTest::newRow("white nine") << QList<int> {} << "Command10"
                                << "흰색9";
    QTest::newRow("no-colour nine") << QList<int> {7} << "Command10"
                                    << "무색9";
    QTest::newRow("reset") << QList<int> {} << "Command13"
                           << "초기화";
    QTest::newRow("picture") << QList<int> {} << "Picture2"
                             << "저항 그림";
}

void TestFrmMain::screenReaderNames()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, control);
    QFETCH(QString, name);

    for (qsizetype i = 0; i < clicks.size(); i += 2) {
        choose(clicks[i]);
        if (i + 1 < clicks.size())
            clickColour(clicks[i + 1]);
    }
    QAccessibleInterface *a
        = QAccessible::queryAccessibleInterface(this->control<QWidget>(qPrintable(control)));
    QVERIFY(a);
    QCOMPARE(a->text(QAccessible::Name), name);
}

// The whole reader works without a mouse: arrows in the option groups, Space and Enter on
// buttons, Tab between them.
void TestFrmMain::keyboardAlone()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    option(1)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(option(2)->isChecked());
    QCOMPARE(results(), QStringList({"100 \u2126", "±5.00 ％, J", "-"}));

    option(4)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(option(5)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), command(5));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // yellow on band B
    QCOMPARE(results().first(), "140 \u2126");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // green on band B
    QCOMPARE(results().first(), "150 \u2126");

    command(13)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(results().first(), "100 \u2126");
}

void TestFrmMain::tooltipsFollowTheReading()
{
    QLineEdit *value = control<QLineEdit>("Text1");
    QLineEdit *tolerance = control<QLineEdit>("Text2");
    QCOMPARE(value->toolTip(), "10 \u2126\n표준값: E6, E12, E24, E48, E96, E192");
    QCOMPARE(tolerance->toolTip(), "허용 범위: 9.5 \u2126 – 10.5 \u2126");

    choose(4);
    clickColour(4);
    choose(5);
    clickColour(7);
    choose(6);
    clickColour(2);
    QCOMPARE(value->toolTip(), "4 700 \u2126\n표준값: E6, E12, E24, E192");
    QCOMPARE(tolerance->toolTip(), "허용 범위: 4.465 ㏀ – 4.935 ㏀");

    QTest::mouseClick(command(13), Qt::LeftButton);
    QCOMPARE(value->toolTip(), "10 \u2126\n표준값: E6, E12, E24, E48, E96, E192");
    choose(3);
    QCOMPARE(value->toolTip(), "100 \u2126\n표준값: E6, E12, E24, E48, E96, E192");
    QVERIFY(control<QLineEdit>("Text3")->toolTip().isEmpty());
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
