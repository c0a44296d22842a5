#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "app/look.h"
#include "engine/colourtable.h"
#include "frmGuide/colourchart.h"
#include "resources/art/imagecompare.h"
#include "tests/guifixture.h"

using namespace bandalyx;
using namespace ui;
using Layout = ChartLayout;

namespace {

QPoint scaled(QPoint p, qreal ratio)
{
    return (QPointF(p) * ratio).toPoint();
}

// A guide shown and active, as the main window leaves it after its menu command.
struct ShownGuide
{
    QPointer<gui::GuideWindow> window = new gui::GuideWindow();

    ~ShownGuide() { delete window; }
    bool ready() const { return gui::showAndWait(window, true); }
    QWidget *child(const QString &name) const { return gui::control(window, name); }
};

} // namespace

class TestFrmGuide : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { app::useProgramLook(); }

    void frameIsFixedAndPlaced()
    {
        gui::GuideWindow w;
        QCOMPARE(w.objectName(), QStringLiteral("frmGuide"));
        QCOMPARE(w.minimumSize(), QSize(607, 645));
        QCOMPARE(w.maximumSize(), QSize(607, 645));
        QCOMPARE(w.windowType(), Qt::Window); // a tool window would have no task-bar entry
        QVERIFY(!(w.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(!w.parentWidget());
        QVERIFY(w.windowTitle().isEmpty()); // the main window names it
        QCOMPARE(w.geometry().topLeft(), QPoint(88, 50));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("back") << "Command1"
                              << "<-" << QRect(0, 0, 65, 33);
        QTest::newRow("forward") << "Command2"
                                 << "->" << QRect(64, 0, 65, 33);
        QTest::newRow("close") << "Command3"
                               << "닫기" << QRect(128, 0, 65, 33);
        QTest::newRow("picture, cut off right and below") << "Picture1"
                                                          << "" << QRect(0, 40, 609, 609);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);

        ShownGuide guide;
        QVERIFY(guide.ready());
        QWidget *w = guide.child(name);
        QVERIFY(w->isVisible());
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(gui::caption(w), caption);
    }

    void tabOrder_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QString>("focused");

        QTest::newRow("opens on close") << 0 << "Command3";
        QTest::newRow("one tab") << 1 << "Command1";
        QTest::newRow("two tabs") << 2 << "Command2";
        QTest::newRow("three tabs reach the picture") << 3 << "Picture1";
        QTest::newRow("four tabs wrap") << 4 << "Command3";
    }
    void tabOrder()
    {
        QFETCH(int, tabs);
        QFETCH(QString, focused);

        ShownGuide guide;
        QVERIFY(guide.ready());
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), guide.child(focused));
    }

    void arrowButtonsChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key"); // 0: a mouse click
        QTest::newRow("back") << "Command1" << 0;
        QTest::newRow("forward") << "Command2" << 0;
        QTest::newRow("back by Return") << "Command1" << int(Qt::Key_Return);
        QTest::newRow("forward by Enter") << "Command2" << int(Qt::Key_Enter);
    }
    void arrowButtonsChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, key);

        ShownGuide guide;
        QVERIFY(guide.ready());
        QWidget *b = guide.child(name);
        // A click moves the focus and the hover to the button; put them there first so the
        // comparison sees only what the click itself does.
        b->setFocus();
        QTest::mouseMove(b);
        QTRY_COMPARE(QApplication::focusWidget(), b);
        const QImage before = guide.window->grab().toImage();
        const QList<QWidget *> windows = QApplication::topLevelWidgets();

        if (key == 0)
            QTest::mouseClick(b, Qt::LeftButton);
        else
            QTest::keyClick(b, Qt::Key(key));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guide.window && guide.window->isVisible());
        const auto d = imagecompare::difference(before, guide.window->grab().toImage());
        QVERIFY2(!d, qPrintable(imagecompare::describe(d)));
        QCOMPARE(QApplication::topLevelWidgets(), windows);
    }

    void closeButtonDiscardsTheWindow_data()
    {
        QTest::addColumn<int>("key"); // 0: a mouse click
        QTest::newRow("click") << 0;
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter on the keypad") << int(Qt::Key_Enter);
    }
    void closeButtonDiscardsTheWindow()
    {
        QFETCH(int, key);
        ShownGuide guide;
        QVERIFY(guide.ready());
        QWidget *close = guide.child("Command3");
        QCOMPARE(QApplication::focusWidget(), close);
        if (key == 0)
            QTest::mouseClick(close, Qt::LeftButton);
        else
            QTest::keyClick(close, Qt::Key(key));
        QVERIFY(guide.window && !guide.window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guide.window.isNull());
    }

    void iconIsTheProgramIcon()
    {
        const QImage icon(QStringLiteral(":/bandalyx-16.png"));
        QVERIFY(!icon.isNull());
        gui::GuideWindow w;
        const auto d
            = imagecompare::difference(icon, w.windowIcon().pixmap(QSize(16, 16), 1.0).toImage());
        QVERIFY2(!d, qPrintable(imagecompare::describe(d)));
    }

    void chartIsRenderedOnFirstShow()
    {
        gui::GuideWindow w;
        QVERIFY(w.Picture1->picture().isNull());
        QVERIFY(gui::showAndWait(&w));
        const QPixmap &picture = w.Picture1->picture();
        QCOMPARE(picture.deviceIndependentSize().toSize(), colourChartSize());
        QCOMPARE(picture.devicePixelRatio(), w.devicePixelRatioF());
    }

    void windowShowsTheChartUnscaled()
    {
        ShownGuide guide;
        QVERIFY(guide.ready());
        const QImage shown = guide.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage chart = renderColourChart(shown.devicePixelRatio());
        // The picture starts 40 pixels down and the whole chart fits below, at its own size.
        const QRect place(scaled(QPoint(0, 40), shown.devicePixelRatio()), chart.size());
        QVERIFY(shown.rect().contains(place));
        const auto d = imagecompare::difference(chart, shown.copy(place));
        QVERIFY2(!d, qPrintable(imagecompare::describe(d)));
    }

    void chartSize_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");

        QTest::newRow("96 dpi") << 1.0 << QSize(607, 604);
        QTest::newRow("double density") << 2.0 << QSize(1214, 1208);
        QTest::newRow("one and a half, rounded up") << 1.5 << QSize(911, 906);
    }
    void chartSize()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);

        const QImage chart = renderColourChart(ratio);
        QCOMPARE(chart.size(), pixels);
        QCOMPARE(chart.devicePixelRatio(), ratio);
    }

    void swatches_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("entry");

        for (qreal ratio : {1.0, 2.0}) {
            for (const ColourCode &c : Colours)
                QTest::addRow("%d %s at %gx", c.code, c.englishName.data(), ratio)
                    << ratio << c.code;
            QTest::addRow("no colour at %gx", ratio) << ratio << int(Layout::NoColourRow);
        }
    }
    void swatches()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, entry);

        const QImage chart = renderColourChart(ratio);
        const QRect swatch = Layout::swatch(entry).translated(0, colourChartTableShift());
        const QRect pixels(scaled(swatch.topLeft(), ratio), scaled(swatch.bottomRight(), ratio));
        if (entry != Layout::NoColourRow) {
            for (QPoint p : {pixels.center(), pixels.topLeft(), pixels.bottomRight()})
                QCOMPARE(chart.pixelColor(p), gui::colourOf(entry));
            return;
        }
        QImage white(chart.size(), chart.format());
        white.fill(Qt::white);
        QVERIFY(gui::looksHatched(chart, white, pixels));
    }

    void rowTexts_data()
    {
        QTest::addColumn<int>("entry");
        // name, digit, multiplier, tolerance, letter, temperature coefficient
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("black") << 0 << QStringList {"흑색", "0", "×1", "-", "", "-"};
        QTest::newRow("orange has no tolerance text")
            << 3 << QStringList {"등색", "3", "×1 k", "-", "", "25 ppm/℃"};
        QTest::newRow("blue") << 6
                              << QStringList {"청색", "6", "×1 M", "±0.25 ％", "C", "10 ppm/℃"};
        QTest::newRow("white leaves its tolerance to no colour")
            << 9 << QStringList {"흰색", "9", "×1 G", "-", "", "1 ppm/℃"};
        QTest::newRow("gold divides by ten, no tempco text")
            << 10 << QStringList {"금색", "-", "×0.1", "±5.00 ％", "J", "-"};
        QTest::newRow("silver divides by a hundred")
            << 11 << QStringList {"은색", "-", "×0.01", "±10.00 ％", "K", "-"};
        QTest::newRow("no colour is twenty percent")
            << 12 << QStringList {"무색", "-", "-", "±20.00 ％", "M", "-"};
    }
    void rowTexts()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, texts);

        const QList<ColourChartRow> rows = colourChartRows();
        QCOMPARE(rows.size(), Layout::RowCount);
        const ColourChartRow &r = rows[entry];
        QCOMPARE(
            (QStringList {r.name, r.digit, r.multiplier, r.tolerance, r.toleranceLetter, r.tempco}),
            texts);
    }

    void workedExample()
    {
        QCOMPARE(colourChartExample(), QStringLiteral("10 × 10² = 1 ㏀ ±5 ％"));
    }

    // Meant for a screen Qt cannot measure (CTest runs it with QT_SCALE_FACTOR=0, which puts the
    // screen's right edge at INT_MAX): the window still holds its whole page.
    void unmeasurableScreenLeavesThePageWhole()
    {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") != QLatin1String("0"))
            QSKIP("the screen can be measured");
        gui::GuideWindow w;
        QCOMPARE(w.size(), QSize(607, 645));
    }

    // Meant for a screen too short for the window (CTest runs it on such an Xvfb screen): the
    // window is cut to fit the screen, and the keyboard scrolls the chart's last row into view.
    void smallScreenScrollsToTheLastRow()
    {
        ShownGuide guide;
        const QRect screen = guide.window->screen()->availableGeometry();
        if (screen.height() > 700)
            QSKIP("the screen holds the whole guide");
        QVERIFY(guide.ready());
        const QRect frame = guide.window->frameGeometry();
        QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1x%2+%3+%4")
                                                        .arg(frame.width())
                                                        .arg(frame.height())
                                                        .arg(frame.x())
                                                        .arg(frame.y())));

        // Page Down on the focused button scrolls the page.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);

        const QRect lastRow = Layout::cell(Layout::RowCount, Layout::Column::Swatch)
                                  .united(Layout::cell(Layout::RowCount, Layout::Column::Tempco));
        const QRect shownAt(guide.window->Picture1->mapTo(guide.window, lastRow.topLeft()),
                            lastRow.size());
        QVERIFY(guide.window->rect().contains(shownAt));
        const QImage shown = guide.window->grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        const QImage chart = renderColourChart(ratio);
        const auto d = imagecompare::difference(
            chart.copy(QRect(scaled(lastRow.topLeft(), ratio), lastRow.size() * ratio)),
            shown.copy(QRect(scaled(shownAt.topLeft(), ratio), lastRow.size() * ratio)));
        QVERIFY2(!d, qPrintable(imagecompare::describe(d)));
    }
};

QTEST_MAIN(TestFrmGuide)
#include "tst_frmguide.moc"
