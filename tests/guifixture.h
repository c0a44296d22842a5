#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "frmAbout/frmabout.h"
#include "frmGuide/colourchart.h"
#include "frmGuide/frmguide.h"
#include "frmMain/frmmain.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "resources/art/imagecompare.h"

// What the GUI tests share: the windows and their controls by name, the reader window driven as
// a user drives it, and what a user sees in the pixels. A renamed control or window class is
// renamed here, not in every test.
namespace gui {

using MainWindow = ui::frmMain;
using AboutWindow = ui::frmAbout;
using GuideWindow = ui::frmGuide;

// The captions a user picks kinds and bands by, in kind and band order.
inline const QStringList KindCaptions {"4색", "5색", "6색"};
inline const QStringList BandLetters {"A", "B", "C", "D", "E", "F"};

// Colour codes by name. Their colours are written out here rather than read from the program's
// table, so that a wrong entry there shows up.
enum Code { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Gold, Silver };
inline const QStringList CodeNames {"black", "brown",  "red",  "orange", "yellow", "green",
                                    "blue",  "violet", "grey", "white",  "gold",   "silver"};
inline QColor colourOf(int code)
{
    static constexpr QRgb rgb[] = {0x000000, 0x804000, 0xff0000, 0xff8040, 0xffff00, 0x008000,
                                   0x0000ff, 0xcc66ff, 0x808080, 0xffffff, 0xcccc00, 0xc0c0c0};
    return QColor(rgb[code]);
}

// A window's control by name; with an index, the element of a control array holding it.
template<typename W = QWidget>
W *control(const QWidget *window, const QString &name, int index = -1)
{
    for (W *w : window->findChildren<W *>(name)) {
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    }
    qFatal("no control %s (index %d)", qPrintable(name), index);
    return nullptr;
}

// What a label, button or group box says.
inline QString caption(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(w))
        return frame->title();
    return {};
}

// Shows a window and waits until it is on screen and, if asked, active (keys go to it).
inline bool showAndWait(QWidget *window, bool active = false)
{
    window->show();
    if (active)
        window->activateWindow();
    return QTest::qWaitForWindowExposed(window) && (!active || QTest::qWaitForWindowActive(window));
}

// A user clicks an option far into its rectangle, past its caption: at the right end of the
// part that no option stacked above it covers.
inline void clickOption(QRadioButton *option)
{
    QRect own = option->geometry();
    const QObjectList &siblings = option->parent()->children();
    for (qsizetype i = siblings.indexOf(option) + 1; i < siblings.size(); ++i) {
        const auto *above = qobject_cast<const QWidget *>(siblings[i]);
        if (above && !above->isHidden() && above->geometry().intersects(own)
            && above->x() > own.x())
            own.setRight(above->x() - 1);
    }
    QTest::mouseClick(option, Qt::LeftButton, {},
                      option->mapFromParent(QPoint(own.right() - 1, own.center().y())));
}

// How many pixels of `r` pass `test(pixel, where)`.
template<typename Test> int countPixels(const QImage &image, QRect r, Test test)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            n += test(image.pixel(x, y), QPoint(x, y)) ? 1 : 0;
    }
    return n;
}

inline int countColour(const QImage &image, QRect r, QColor colour)
{
    return countPixels(image, r, [&](QRgb p, QPoint) { return p == colour.rgb(); });
}

// Black hatch lines over what lies beneath: a good share of `r` black, a larger share showing
// `beneath` (within one step where a line's edge blends), so neither a plain fill nor a frame.
inline bool looksHatched(const QImage &seen, const QImage &beneath, QRect r)
{
    const QRgb black = qRgb(0, 0, 0);
    const int lines = countColour(seen, r, black);
    const int shows = countPixels(seen, r, [&](QRgb p, QPoint at) {
        return p != black && imagecompare::withinOneStep(p, beneath.pixel(at));
    });
    const int area = r.width() * r.height();
    return lines * 8 > area && shows * 3 > area;
}

// A shape, as its container shows it over what the container itself draws beneath (at a pixel
// ratio of 1: the shape's geometry is taken as image pixels).
inline bool looksHatched(const QWidget *shape)
{
    QWidget *container = shape->parentWidget();
    QImage beneath(container->size(), QImage::Format_ARGB32_Premultiplied);
    beneath.fill(Qt::transparent);
    container->render(&beneath, {}, {}, QWidget::DrawWindowBackground);
    return looksHatched(container->grab().toImage(), beneath, shape->geometry());
}

// The room a widget gives its text, and the size the text needs there, by the font's metrics:
// lines as tall as the font's height and as wide as their advance. An empty room for a widget
// that shows no text of its own.
struct TextRoom
{
    QRect room;
    QSize needed;
};

inline TextRoom textRoom(const QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    const auto line = [&](const QString &text) {
        return QSize(fm.horizontalAdvance(QString(text).remove(u'&')), fm.height());
    };
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty())
            return {};
        const QRect room = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        if (!label->wordWrap())
            return {room, fm.size(0, label->text())};
        // Wrapped: as many lines as the label's own layout makes at its width.
        const int frame = label->height() - room.height();
        return {room, QSize(room.width(), label->heightForWidth(label->width()) - frame)};
    }
    if (auto *button = qobject_cast<const QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                line(button->text())};
    }
    if (auto *option = qobject_cast<const QRadioButton *>(w)) {
        QStyleOptionButton o;
        o.initFrom(option);
        QRect room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, option);
        // Captions may reach past the option's own rectangle, up to its frame's edge.
        room.setRight(option->parentWidget()->contentsRect().right() - option->x());
        return {room, line(option->text())};
    }
    if (auto *box = qobject_cast<const QLineEdit *>(w)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                                           : 0;
        const QRect room = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .marginsRemoved(box->textMargins());
        return {room, QSize(fm.horizontalAdvance(box->text()), fm.height())};
    }
    if (auto *frame = qobject_cast<const QGroupBox *>(w)) {
        // The title lies above the frame's controls.
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        QRect room = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                    QStyle::SC_GroupBoxLabel, frame);
        for (const QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isHidden())
                room.setBottom(std::min(room.bottom(), child->y() - 1));
        }
        return {room, line(frame->title())};
    }
    return {};
}

// Every text of a window and of its menu bar that its room cuts, as "name: needs WxH, has WxH".
inline QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    QList<const QWidget *> widgets {window};
    for (const QWidget *w : window->findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        const TextRoom t = textRoom(w);
        if (t.room.isNull() || (t.needed.width() <= t.room.width()
                                && t.needed.height() <= t.room.height()))
            continue;
        cut << QStringLiteral("%1: needs %2x%3, has %4x%5")
                   .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                  : w->objectName())
                   .arg(t.needed.width())
                   .arg(t.needed.height())
                   .arg(t.room.width())
                   .arg(t.room.height());
    }
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (QAction *item : bar->actions()) {
            const QRect room = bar->actionGeometry(item);
            const QSize needed(
                bar->fontMetrics().horizontalAdvance(QString(item->text()).remove(u'&')),
                bar->fontMetrics().height());
            if (needed.width() > room.width() || needed.height() > room.height())
                cut << item->objectName();
        }
    }
    return cut;
}

// Every text of the guide's chart that its box cuts, or that lies under the table or off the
// chart, as "text: needs WxH, has WxH".
inline QStringList cutChartTexts()
{
    QList<ui::ChartText> texts;
    const QImage chart = ui::renderColourChart(1.0, &texts);
    const QRect whole(QPoint(0, 0), chart.size());
    int tableTop = whole.bottom();
    for (const ui::ChartText &t : texts)
        tableTop = t.inTable ? std::min(tableTop, t.box.top()) : tableTop;
    QStringList cut;
    for (const ui::ChartText &t : texts) {
        const QRect needed = QFontMetrics(t.font).boundingRect(t.box, t.flags, t.text);
        if (needed.height() > t.box.height() || needed.width() > t.box.width()
            || !whole.contains(needed) || (!t.inTable && needed.bottom() >= tableTop))
            cut << QStringLiteral("%1: needs %2x%3 at %4, has %5x%6")
                       .arg(t.text)
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(needed.top())
                       .arg(t.box.width())
                       .arg(t.box.height());
    }
    return cut;
}

// A widget's tooltip as a user gets it, by resting the mouse on the widget.
inline QString tooltipOf(QWidget *w)
{
    const QPoint at = w->rect().center();
    QHelpEvent hover(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &hover);
    return w->toolTip();
}

// The reader window driven as a user drives it: kinds and bands chosen by their captions
// ("5색", "D"), colours by code, and what it shows read back.
class ReaderWindow : public MainWindow
{
public:
    template<typename W = QWidget> W *control(const QString &name) const
    {
        return gui::control<W>(this, name);
    }
    QRadioButton *option(const QString &caption) const
    {
        for (QRadioButton *o : findChildren<QRadioButton *>()) {
            if (o->text() == caption)
                return o;
        }
        qFatal("no option captioned %s", qPrintable(caption));
        return nullptr;
    }
    QPushButton *colourButton(int code) const
    {
        return control<QPushButton>(QStringLiteral("Command%1").arg(code + 1));
    }
    QPushButton *resetButton() const { return control<QPushButton>(QStringLiteral("Command13")); }
    platform::Shape *swatch(int code) const
    {
        return control<platform::Shape>(QStringLiteral("Shape%1").arg(code + 7));
    }
    platform::Shape *bandShape(const QString &band) const
    {
        return control<platform::Shape>(
            QStringLiteral("Shape%1").arg(BandLetters.indexOf(band) + 1));
    }
    QLabel *bandLetter(const QString &band) const
    {
        return control<QLabel>(QStringLiteral("Label%1").arg(BandLetters.indexOf(band) + 4));
    }
    QLineEdit *resultBox(int n) const // 0: value, 1: tolerance, 2: tempco
    {
        return control<QLineEdit>(QStringLiteral("Text%1").arg(n + 1));
    }
    platform::PictureBox *picture() const
    {
        return control<platform::PictureBox>(QStringLiteral("Picture2"));
    }

    QStringList results() const
    {
        return {resultBox(0)->text(), resultBox(1)->text(), resultBox(2)->text()};
    }
    // Twelve characters, one per colour code: '1' for an enabled button.
    QString enabledColours() const
    {
        QString pattern;
        for (int code = 0; code < CodeNames.size(); ++code)
            pattern += colourButton(code)->isEnabled() ? '1' : '0';
        return pattern;
    }
    // The colour a user sees in the middle of a band or a swatch: opaque, so exact.
    QColor bandColour(const QString &band) const
    {
        return picture()->grab().toImage().pixelColor(bandShape(band)->geometry().center());
    }
    QColor swatchColour(int code) const
    {
        const platform::Shape *s = swatch(code);
        return s->parentWidget()->grab().toImage().pixelColor(s->geometry().center());
    }

    void choose(const QString &caption)
    {
        QRadioButton *o = option(caption);
        QVERIFY2(o->isEnabled(), qPrintable(caption + " is disabled"));
        clickOption(o);
        QVERIFY2(o->isChecked(), qPrintable(caption + " is not selected"));
    }
    void clickColour(int code)
    {
        QPushButton *b = colourButton(code);
        QVERIFY2(b->isEnabled(), qPrintable(CodeNames[code] + " is disabled"));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Types into a result box (0: value, 1: tolerance, 2: tempco), as a user would after
    // clicking it, and ends with `key` (none: the text is left as typed).
    void typeValue(const QString &text, Qt::Key key = Qt::Key_Return, int n = 0)
    {
        QLineEdit *box = resultBox(n);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        // Key by key, as typed text; QTest's own helper knows only ASCII keys.
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
        if (key != Qt::Key_unknown)
            QTest::keyClick(box, key);
    }
    // The message under a result box, when one shows.
    QString valueMessage() const
    {
        for (const QLabel *balloon : findChildren<QLabel *>(QStringLiteral("balloon"))) {
            if (balloon->isVisible())
                return balloon->text();
        }
        return QString();
    }
    // What a user does, a word a step: a kind or band caption, a colour name, or "reset".
    void play(const QString &steps)
    {
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step == QLatin1String("reset"))
                QTest::mouseClick(resetButton(), Qt::LeftButton);
            else if (CodeNames.contains(step))
                clickColour(int(CodeNames.indexOf(step)));
            else
                choose(step);
        }
    }
};

} // namespace gui
