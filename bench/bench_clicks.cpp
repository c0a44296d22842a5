// Click to redraw: colour clicks on the reader window against floor windows, in one process, each
// click followed by the repaint it causes. Blocks of clicks take the windows in turn so that
// noise on the machine hits all of them. The floor clicks two buttons in turn, as the reader's
// clicks do, so that the focus frame moves on every click in both; the one-button floor of
// earlier figures, whose focus never moves, is measured beside it.
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <vector>

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStringList>
#include <QTest>

#include "app/look.h"
#include "bench/floorwidgets.h"
#include "frmMain/frmmain.h"
#include "platform/shape.h"

namespace {

constexpr int Blocks = 10;
constexpr int ClicksPerBlock = 1000;
constexpr int WarmUpClicks = 200;
constexpr double MedianGoal = 1.2; // app/floor

const QColor Brown(128, 64, 0);
const QColor Red(255, 0, 0);

// A floor: buttons side by side, each of whose clicks sets a text and recolours one painted
// rectangle; the text box keeps its size and its place after the last button.
class FloorWindow : public QWidget
{
public:
    explicit FloorWindow(const QStringList &captions)
        : m_text(new QLineEdit(this)), m_band(new bench::Swatch(Brown, this))
    {
        constexpr int Step = 56; // from one button's left edge to the next
        const int extra = Step * int(captions.size() - 1);
        setWindowTitle(QStringLiteral("Bandalyx floor"));
        setObjectName(QStringLiteral("floor"));
        setFixedSize(200 + extra, 100);
        for (const QString &caption : captions) {
            auto *button = new QPushButton(caption, this);
            button->setObjectName(QStringLiteral("button%1").arg(m_buttons.size() + 1));
            button->setGeometry(8 + Step * int(m_buttons.size()), 8, 49, 25);
            connect(button, &QPushButton::clicked, this, &FloorWindow::onClick);
            m_buttons.push_back(button);
        }
        m_text->setObjectName(QStringLiteral("text"));
        m_band->setObjectName(QStringLiteral("band"));
        m_text->setGeometry(72 + extra, 8, 113, 18);
        m_text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_text->setText(QStringLiteral("10 Ω"));
        m_band->setGeometry(33, 40, 9, 45);
    }

    const std::vector<QPushButton *> &buttons() const { return m_buttons; }
    QLineEdit *text() const { return m_text; }
    bench::Swatch *band() const { return m_band; }

private:
    void onClick()
    {
        m_odd = !m_odd;
        m_text->setText(m_odd ? QStringLiteral("11 Ω") : QStringLiteral("12 Ω"));
        m_band->setColour(m_odd ? Red : Brown);
    }

    std::vector<QPushButton *> m_buttons;
    QLineEdit *m_text;
    bench::Swatch *m_band;
    bool m_odd = false;
};

// Counts and times the paint events of every widget in a window: to check that a click really
// repaints what it changed, and to show where the painting time of a click goes. Watching costs
// time itself, so it is never on while clicks are timed.
class PaintMeter : public QObject
{
public:
    struct Tally
    {
        int paints = 0;
        qint64 ns = 0;
    };

    void watch(QWidget *window)
    {
        window->installEventFilter(this);
        for (QWidget *w : window->findChildren<QWidget *>())
            w->installEventFilter(this);
    }
    void unwatch(QWidget *window)
    {
        window->removeEventFilter(this);
        for (QWidget *w : window->findChildren<QWidget *>())
            w->removeEventFilter(this);
    }
    void reset() { m_tallies.clear(); }
    int paints(const QObject *o) const
    {
        const auto it = m_tallies.find(o);
        return it == m_tallies.end() ? 0 : it->second.paints;
    }
    const std::map<const QObject *, Tally> &tallies() const { return m_tallies; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_inside)
            return false;
        // Deliver the event here, so that its handling can be timed.
        m_inside = true;
        QElapsedTimer timer;
        timer.start();
        watched->event(event);
        Tally &t = m_tallies[watched];
        t.ns += timer.nsecsElapsed();
        ++t.paints;
        m_inside = false;
        return true;
    }

private:
    std::map<const QObject *, Tally> m_tallies;
    bool m_inside = false;
};

QString nameOf(const QObject *o)
{
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                     : o->objectName();
}

// One side of the comparison: a window, the buttons clicked in turn, and what must repaint.
struct Side
{
    const char *name;
    QWidget *window;
    std::vector<QPushButton *> buttons;
    std::vector<QColor> colours; // the band's colour after click n, taken modulo their count
    QWidget *band;
    QWidget *text;
    std::vector<double> clickUs {};
    std::vector<double> idleUs {};
    std::size_t next = 0;
};

// What the widget repaint manager does when its update request arrives: paint every dirty
// widget into the backing store and flush it.
void repaintNow(QWidget *window)
{
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
}

// Kept out of line, like runBlock, so that callgrind can count the instructions of the clicks
// block by block: --toggle-collect='*clickNext*' --dump-after='*runBlock*' (see README.md).
[[gnu::noinline]] void clickNext(Side &side)
{
    QPushButton *button = side.buttons[side.next++ % side.buttons.size()];
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    repaintNow(side.window);
}

void activate(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "bench_clicks: window did not become active\n");
    QCoreApplication::processEvents();
}

// The band's pixel as the backing store holds it, i.e. as it would reach the screen.
QColor bandPixel(const Side &side)
{
    const QPoint at = side.band->mapTo(side.window, side.band->rect().center());
    return side.window->screen()
        ->grabWindow(side.window->winId(), at.x(), at.y(), 1, 1)
        .toImage()
        .pixelColor(0, 0);
}

// Warms the side up, then checks on a few clicks that each one focuses its button, repaints the
// band and the text, and that the band's new colour is in the backing store. Returns false if
// not.
bool warmUpAndCheck(Side &side, PaintMeter &meter)
{
    activate(side.window);
    for (int i = 0; i < WarmUpClicks; ++i) {
        clickNext(side);
        QCoreApplication::processEvents();
    }
    meter.watch(side.window);
    bool ok = true;
    for (std::size_t i = 0; i < side.buttons.size() * 2; ++i) {
        const QColor expected = side.colours[side.next % side.colours.size()];
        const QWidget *button = side.buttons[side.next % side.buttons.size()];
        meter.reset();
        clickNext(side);
        const QColor seen = bandPixel(side);
        const bool focused = QApplication::focusWidget() == button;
        if (meter.paints(side.band) < 1 || meter.paints(side.text) < 1 || seen != expected
            || !focused) {
            std::fprintf(stderr,
                         "bench_clicks: %s: a click did not repaint as it should (band painted "
                         "%d×, text %d×, band pixel %s, expected %s, button %sfocused)\n",
                         side.name, meter.paints(side.band), meter.paints(side.text),
                         qPrintable(seen.name()), qPrintable(expected.name()),
                         focused ? "" : "not ");
            ok = false;
        }
        QCoreApplication::processEvents();
    }
    meter.unwatch(side.window);
    return ok;
}

// Where the painting time of a click goes, widget by widget, the costliest first.
void showPaintBreakdown(Side &side, PaintMeter &meter)
{
    constexpr int Clicks = 1000;
    constexpr std::size_t Shown = 6;
    activate(side.window);
    meter.watch(side.window);
    meter.reset();
    for (int i = 0; i < Clicks; ++i) {
        clickNext(side);
        QCoreApplication::processEvents();
    }
    meter.unwatch(side.window);

    std::vector<std::pair<qint64, const QObject *>> byTime;
    int paints = 0;
    qint64 total = 0;
    for (const auto &[o, t] : meter.tallies()) {
        byTime.emplace_back(t.ns, o);
        paints += t.paints;
        total += t.ns;
    }
    std::sort(byTime.rbegin(), byTime.rend());
    const auto perClick = [](qint64 ns) { return double(ns) / 1e3 / Clicks; };
    std::printf("  %-6s each click paints %zu widgets (%.1f paint events) in %.1f µs:", side.name,
                byTime.size(), double(paints) / Clicks, perClick(total));
    QStringList items;
    qint64 rest = 0;
    for (std::size_t i = 0; i < byTime.size(); ++i) {
        const auto &[ns, o] = byTime[i];
        if (i >= Shown) {
            rest += ns;
            continue;
        }
        const double times = double(meter.tallies().at(o).paints) / Clicks;
        items << QStringLiteral("%1 %2").arg(nameOf(o)).arg(perClick(ns), 0, 'f', 1)
                + (times > 1.05 ? QStringLiteral(" (%1×)").arg(times, 0, 'f', 1) : QString());
    }
    if (byTime.size() > Shown)
        items << QStringLiteral("%1 others %2")
                     .arg(byTime.size() - Shown)
                     .arg(perClick(rest), 0, 'f', 1);
    for (qsizetype i = 0; i < items.size(); i += 3)
        std::printf("\n        %s%s", qPrintable(items.mid(i, 3).join(QStringLiteral(", "))),
                    i + 3 < items.size() ? "," : " µs\n");
}

[[gnu::noinline]] void runBlock(Side &side)
{
    activate(side.window);
    QElapsedTimer timer;
    for (int i = 0; i < ClicksPerBlock; ++i) {
        timer.start();
        clickNext(side);
        side.clickUs.push_back(double(timer.nsecsElapsed()) / 1e3);
        // What is left for the event loop after the click; timed apart, to show nothing hides
        // there.
        timer.start();
        QCoreApplication::processEvents();
        side.idleUs.push_back(double(timer.nsecsElapsed()) / 1e3);
    }
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const auto i = std::min(v.size() - 1, std::size_t(q * double(v.size())));
    return v[i];
}

// Every window shown, and band B chosen on the reader, clicked on its indicator as a user
// would; its colour then alternates between codes 1 and 2, which changes the band and the value
// on every click.
bool showAndChooseBandB(ui::frmMain &reader, std::initializer_list<QWidget *> floors)
{
    std::vector<QWidget *> windows {&reader};
    windows.insert(windows.end(), floors);
    for (QWidget *w : windows) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w)) {
            std::fprintf(stderr, "bench_clicks: a window was not exposed\n");
            return false;
        }
    }
    activate(&reader);
    QTest::mouseClick(reader.Option5, Qt::LeftButton, {}, QPoint(8, reader.Option5->height() / 2));
    if (!reader.Option5->isChecked() || !reader.Command2->isEnabled()
        || !reader.Command3->isEnabled()) {
        std::fprintf(stderr, "bench_clicks: cannot select band B and its codes 1 and 2\n");
        return false;
    }
    return true;
}

// The figures of every side, the app's ratio to each floor, and the summary line `make bench`
// collects: the app against the floor, and against the one-button floor.
void report(const Side (&sides)[3])
{
    std::printf("  %-6s %10s %10s %10s %14s\n", "", "median µs", "p99 µs", "max µs",
                "idle after µs");
    for (const Side &side : sides) {
        std::printf("  %-6s %10.1f %10.1f %10.1f %14.1f\n", side.name, quantile(side.clickUs, 0.5),
                    quantile(side.clickUs, 0.99), quantile(side.clickUs, 1.0),
                    quantile(side.idleUs, 0.5));
    }
    const double app50 = quantile(sides[0].clickUs, 0.5), app99 = quantile(sides[0].clickUs, 0.99);
    const double floor50 = quantile(sides[1].clickUs, 0.5);
    const double floor99 = quantile(sides[1].clickUs, 0.99);
    const double oneButton50 = quantile(sides[2].clickUs, 0.5);
    const double ratio = app50 / floor50;
    std::printf("  ratio of medians app/floor %.2f (goal: within %.1f× the floor: %s); "
                "app/floor1 %.2f\n",
                ratio, MedianGoal, ratio <= MedianGoal ? "met" : "not met", app50 / oneButton50);
    std::printf("click      app  %.0f µs median, %.0f µs p99   floor %.0f / %.0f µs   ratio %.2f"
                "   (one-button floor %.0f µs, ratio %.2f)\n",
                app50, app99, floor50, floor99, ratio, oneButton50, app50 / oneButton50);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::useProgramLook();

    ui::frmMain reader;
    FloorWindow floor({QStringLiteral("갈색1"), QStringLiteral("적색2")});
    FloorWindow oneButton({QStringLiteral("적색2")});
    if (!showAndChooseBandB(reader, {&floor, &oneButton}))
        return 1;

    const auto sideOf = [](const char *name, FloorWindow &w) {
        return Side {.name = name,
                     .window = &w,
                     .buttons = w.buttons(),
                     .colours = {Red, Brown},
                     .band = w.band(),
                     .text = w.text()};
    };
    Side sides[3] = {
        {.name = "app",
         .window = &reader,
         .buttons = {reader.Command2, reader.Command3},
         .colours = {Brown, Red},
         .band = reader.Shape2,
         .text = reader.Text1},
        sideOf("floor", floor),
        sideOf("floor1", oneButton),
    };

    std::printf("Click to redraw: %d blocks of %d colour clicks each for the app, its floor (two "
                "buttons in turn,\nas the app's) and the one-button floor, in turn, each click "
                "followed by the repaint\n(QEvent::UpdateRequest to the window); platform %s\n",
                Blocks, ClicksPerBlock, qPrintable(QGuiApplication::platformName()));
    PaintMeter meter;
    bool ok = true;
    for (Side &side : sides)
        ok = warmUpAndCheck(side, meter) && ok;
    if (!ok)
        return 1;
    std::printf("Each click repaints the band and the value (checked in the backing store) and "
                "moves the focus\nwhere there are two buttons. Paint time by widget, timed apart "
                "from the figures:\n");
    for (Side &side : sides)
        showPaintBreakdown(side, meter);
    for (int b = 0; b < Blocks; ++b) {
        for (Side &side : sides)
            runBlock(side);
    }

    report(sides);
    return 0;
}
