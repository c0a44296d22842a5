#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/fonts.h"
#include "frmGuide/frmguide.h"
#include "frmMain/frmmain.h"
#include "platform/convert.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "tools/imagecompare.h"

using namespace ui;

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
    app::useDialogFont();
    QCOMPARE(qEnvironmentVariable("QT_SCALE_FACTOR"), "2");
}

void TestHighDpi::bandsSitOnTheSharpResistor_data()
{
    QTest::addColumn<int>("kindOption");
    QTest::addColumn<int>("bands");
    QTest::newRow("4 bands") << 1 << 4;
    QTest::newRow("5 bands") << 2 << 5;
    QTest::newRow("6 bands") << 3 << 6;
}

void TestHighDpi::bandsSitOnTheSharpResistor()
{
    QFETCH(int, kindOption);
    QFETCH(int, bands);

    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QRadioButton *kind = w.findChild<QRadioButton *>(QStringLiteral("Option%1").arg(kindOption));
    kind->setChecked(true);

    const QPixmap &resistor = w.Picture2->picture();
    QCOMPARE(resistor.devicePixelRatio(), 2.0);
    QCOMPARE(resistor.size(), QSize(360, 148));

    const QImage seen = w.Picture2->grab().toImage();
    QCOMPARE(seen.devicePixelRatio(), 2.0);
    QCOMPARE(seen.size(), QSize(354, 146));
    const QImage body = resistor.toImage();
    platform::Shape *shapes[] = {w.Shape1, w.Shape2, w.Shape3, w.Shape4, w.Shape5, w.Shape6};
    for (int b = 0; b < bands; ++b) {
        const QRect r = shapes[b]->geometry();
        const QRect device(r.topLeft() * 2, r.size() * 2);
        const QColor painted = platform::toQColor(shapes[b]->backColor());
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
    frmMain w;
    const QPixmap icon = w.windowIcon().pixmap(QSize(16, 16), 2.0);
    QCOMPARE(icon.size(), QSize(32, 32));
}

void TestHighDpi::chartIsRenderedAtTheRatio()
{
    auto *guide = new frmGuide();
    guide->setAttribute(Qt::WA_DeleteOnClose, false);
    guide->show();
    QVERIFY(QTest::qWaitForWindowExposed(guide));
    const QPixmap &chart = guide->Picture1->picture();
    QCOMPARE(chart.devicePixelRatio(), 2.0);
    QCOMPARE(chart.size(), QSize(1214, 1208));
    QCOMPARE(guide->grab().size(), QSize(1214, 1290));
    delete guide;
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
