#include <QTest>

#include "platform/convert.h"
#include "app/application.h"
#include "app/look.h"
#include "tests/guifixture.h"

// Runs with QT_SCALE_FACTOR=2: everything twice the size, images drawn for the pixel ratio.
class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bandsSitOnTheSharpResistor_data();
    void bandsSitOnTheSharpResistor();
    void iconIsDrawnForTheRatio();
    void chartIsRenderedAtTheRatio();
};

void TestHighDpi::initTestCase()
{
    app::useProgramLook();
    QCOMPARE(qEnvironmentVariable("QT_SCALE_FACTOR"), "2");
    QCOMPARE(app::refuseScaleBelowOne(), std::nullopt); // scales above 1 are drawn
}

void TestHighDpi::bandsSitOnTheSharpResistor_data()
{
    QTest::addColumn<int>("bands");
    for (int bands = 4; bands <= 6; ++bands)
        QTest::addRow("%d bands", bands) << bands;
}

void TestHighDpi::bandsSitOnTheSharpResistor()
{
    QFETCH(int, bands);

    gui::ReaderWindow w;
    QVERIFY(gui::showAndWait(&w));
    w.option(gui::KindCaptions[bands - 4])->setChecked(true);

    const QPixmap &resistor = w.picture()->picture();
    QCOMPARE(resistor.devicePixelRatio(), 2.0);
    QCOMPARE(resistor.size(), QSize(360, 148));

    const QImage seen = w.picture()->grab().toImage();
    QCOMPARE(seen.devicePixelRatio(), 2.0);
    QCOMPARE(seen.size(), QSize(354, 146));
    const QImage body = resistor.toImage();
    for (int b = 0; b < bands; ++b) {
        const platform::Shape *shape = w.bandShape(gui::BandLetters[b]);
        const QRect device(shape->geometry().topLeft() * 2, shape->geometry().size() * 2);
        const QColor painted = platform::toQColor(shape->backColor());
        // Every device pixel of the band is painted, and the body shows just outside it.
        QCOMPARE(seen.pixelColor(device.topLeft()), painted);
        QCOMPARE(seen.pixelColor(device.bottomRight()), painted);
        const QPoint beside(device.right() + 2, device.center().y());
        QVERIFY(imagecompare::withinOneStep(seen.pixel(beside), body.pixel(beside)));
        QVERIFY2(body.pixelColor(beside) != QColor(Qt::white), "band off the resistor body");
    }
}

void TestHighDpi::iconIsDrawnForTheRatio()
{
    gui::MainWindow w;
    const QPixmap icon = w.windowIcon().pixmap(QSize(16, 16), 2.0);
    QCOMPARE(icon.size(), QSize(32, 32));
}

void TestHighDpi::chartIsRenderedAtTheRatio()
{
    gui::GuideWindow guide;
    QVERIFY(gui::showAndWait(&guide));
    const QPixmap &chart = guide.Picture1->picture();
    QCOMPARE(chart.devicePixelRatio(), 2.0);
    QCOMPARE(chart.size(), QSize(1214, 1208));
    QCOMPARE(guide.grab().size(), QSize(1214, 1290));
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
