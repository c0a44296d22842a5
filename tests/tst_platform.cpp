#include <QPainter>
#include <QTest>

#include "platform/line.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "platform/window.h"
#include "tests/guifixture.h"

using platform::Shape;

namespace {

// A parent painted in one known colour, so a transparent child shows what lies beneath.
class Backdrop : public QWidget
{
public:
    QColor colour = QColor(10, 200, 30);
    Backdrop() { resize(40, 40); }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), colour); }
};

// Counts how often an option's handler ran.
class Receiver : public QObject
{
public:
    int runs = 0;
    void handler() { ++runs; }
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void twipsRoundToNearestPixel_data();
    void twipsRoundToNearestPixel();
    void shapeStyles_data();
    void shapeStyles();
    void pictureIsUnscaledAndClipped();
    void focusedPictureIsMarked_data();
    void focusedPictureIsMarked();
    void etchedLinesStack();
    void selectingFromCodeRunsTheHandler();
};

void TestPlatform::twipsRoundToNearestPixel_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("just under half a pixel") << 7 << 0;
    QTest::newRow("just over half a pixel") << 8 << 1;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("outer band top, 7.33") << 110 << 7;
    QTest::newRow("outer band height, 60.67") << 910 << 61;
    QTest::newRow("band A left, 33.33") << 500 << 33;
    QTest::newRow("band 5 of 5 left, 137.33") << 2060 << 137;
    QTest::newRow("client width") << 6375 << 425;
    QTest::newRow("negative rounds away from zero") << -8 << -1;
}

void TestPlatform::twipsRoundToNearestPixel()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(platform::toPixels(twips), pixels);
}

void TestPlatform::shapeStyles_data()
{
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("fill");
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("showsColour");
    QTest::addColumn<bool>("showsBackdrop");
    QTest::addColumn<bool>("showsBlack");

    QTest::newRow("plain: solid colour")
        << int(Shape::BackStyle::Opaque) << int(Shape::FillStyle::None)
        << int(Shape::BorderStyle::None) << true << false << false;
    QTest::newRow("no colour: hatch over what lies beneath")
        << int(Shape::BackStyle::Transparent) << int(Shape::FillStyle::DiagonalCross)
        << int(Shape::BorderStyle::None) << false << true << true;
    QTest::newRow("transparent without pattern shows only the backdrop")
        << int(Shape::BackStyle::Transparent) << int(Shape::FillStyle::None)
        << int(Shape::BorderStyle::None) << false << true << false;
    QTest::newRow("opaque with border")
        << int(Shape::BackStyle::Opaque) << int(Shape::FillStyle::None)
        << int(Shape::BorderStyle::Solid) << true << false << true;
}

void TestPlatform::shapeStyles()
{
    QFETCH(int, back);
    QFETCH(int, fill);
    QFETCH(int, border);
    QFETCH(bool, showsColour);
    QFETCH(bool, showsBackdrop);
    QFETCH(bool, showsBlack);

    Backdrop parent;
    auto *shape = new Shape(&parent);
    shape->setGeometry(5, 5, 30, 30);
    shape->setBackColor(16737996); // violet, as a colour number
    shape->setBackStyle(Shape::BackStyle(back));
    shape->setFillStyle(Shape::FillStyle(fill));
    shape->setBorderStyle(Shape::BorderStyle(border));

    const QImage seen = parent.grab().toImage();
    const QRect inside(5, 5, 30, 30);
    QCOMPARE(gui::countColour(seen, inside, QColor(204, 102, 255)) > 0, showsColour);
    QCOMPARE(gui::countColour(seen, inside, parent.colour) > 0, showsBackdrop);
    QCOMPARE(gui::countColour(seen, inside, Qt::black) > 0, showsBlack);
}

void TestPlatform::pictureIsUnscaledAndClipped()
{
    QImage image(180, 74, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixelColor(176, 72, Qt::red); // last column and row the box still shows
    image.setPixelColor(20, 30, Qt::blue);

    QWidget parent;
    auto *box = new platform::PictureBox(&parent);
    box->setGeometry(0, 0, 177, 73);
    box->setPicture(QPixmap::fromImage(image));
    const QImage seen = box->grab().toImage();
    QCOMPARE(seen.size(), QSize(177, 73));
    QCOMPARE(seen.pixelColor(176, 72), QColor(Qt::red));
    QCOMPARE(seen.pixelColor(20, 30), QColor(Qt::blue));
}

void TestPlatform::focusedPictureIsMarked_data()
{
    QTest::addColumn<QRect>("box"); // in a 60 x 40 container

    QTest::newRow("inside its container") << QRect(5, 5, 40, 25);
    QTest::newRow("cut off right and below") << QRect(5, 5, 80, 60);
}

void TestPlatform::focusedPictureIsMarked()
{
    QFETCH(QRect, box);

    QWidget container;
    container.resize(60, 40);
    auto *picture = new platform::PictureBox(&container);
    picture->setGeometry(box);
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    picture->setPicture(QPixmap::fromImage(image));
    picture->setFocusPolicy(Qt::TabFocus);
    QVERIFY(gui::showAndWait(&container, true));
    picture->clearFocus(); // which the window gave its only tab stop
    const QImage unfocused = container.grab().toImage();
    picture->setFocus(Qt::TabFocusReason);
    QVERIFY(picture->hasFocus());
    QImage seen = container.grab().toImage();

    // A mark along each edge of what the container shows of the picture, and nowhere else.
    const QRect shown = box & container.rect();
    const auto changed = [&](QRect r) {
        return gui::countPixels(seen, r & container.rect(),
                                [&](QRgb p, QPoint at) { return p != unfocused.pixel(at); });
    };
    const int edge = 3;
    QVERIFY(changed(QRect(shown.topLeft(), QSize(shown.width(), edge))) > 0);
    QVERIFY(changed(QRect(shown.topLeft(), QSize(edge, shown.height()))) > 0);
    QVERIFY(changed(QRect(shown.left(), shown.bottom() - edge + 1, shown.width(), edge)) > 0);
    QVERIFY(changed(QRect(shown.right() - edge + 1, shown.top(), edge, shown.height())) > 0);
    QCOMPARE(changed(shown.adjusted(edge, edge, -edge, -edge)), 0);
    picture->clearFocus();
    seen = container.grab().toImage();
    QCOMPARE(changed(container.rect()), 0);
}

void TestPlatform::etchedLinesStack()
{
    Backdrop parent;
    parent.resize(60, 20);
    new platform::Line({0, 10}, {59, 10}, Qt::white, 2, &parent);
    new platform::Line({0, 10}, {59, 10}, QColor(128, 128, 128), 1, &parent);
    const QImage seen = parent.grab().toImage();
    QCOMPARE(seen.pixelColor(30, 10), QColor(128, 128, 128));
    QCOMPARE(seen.pixelColor(30, 11), QColor(Qt::white));
    QCOMPARE(seen.pixelColor(30, 12), parent.colour);
    QCOMPARE(seen.pixelColor(30, 9), parent.colour);
}

void TestPlatform::selectingFromCodeRunsTheHandler()
{
    QWidget frame;
    auto *a = new platform::OptionButton(&frame);
    auto *b = new platform::OptionButton(&frame);
    Receiver receiver;
    platform::onSelected(a, &receiver, &Receiver::handler);

    a->setChecked(true);
    QCOMPARE(receiver.runs, 1);
    b->setChecked(true); // deselecting a is no click on a
    QCOMPARE(receiver.runs, 1);
    gui::clickOption(a);
    QCOMPARE(receiver.runs, 2);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
