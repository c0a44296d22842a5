#include <QString>
#include <QTest>

#include <algorithm>
#include <vector>

#include "engine/marking.h"
#include "engine/nearest.h"
#include "engine/stepping.h"
#include "engine/valuetext.h"
#include "tests/publishedseries.h"

using namespace bandalyx;

namespace {

const ESeries &seriesOfSize(int size)
{
    for (const ESeries &s : StandardSeries)
        if (int(s.entries.size()) == size)
            return s;
    qFatal("no series E%d", size);
}

// What a step reached, as the value box would show it, or where it stopped: "below 9.1 Ω".
QString reached(const std::variant<Stepped, StepRefused> &step)
{
    if (const Stepped *s = std::get_if<Stepped>(&step))
        return QString::fromStdString(ohmsText(s->ohms));
    const StepRefused &r = std::get<StepRefused>(step);
    const char *why = r.error == EncodeError::BelowRange ? "below " : "above ";
    return why + QString::fromStdString(ohmsText(r.ohms));
}

} // namespace

class TestNearest : public QObject
{
    Q_OBJECT

private slots:
    void line_data();
    void line();
    void neighboursOfEveryFiveBandValue();
    void step_data();
    void step();
    void everyStandardValueInTurn_data();
    void everyStandardValueInTurn();
};

void TestNearest::line_data()
{
    QTest::addColumn<qulonglong>("ohms");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("line"); // the series, the value below and the value above

    const QString j = "±5.00 ％, J";
    QTest::newRow("between two E24 values") << 4'500ull << j << "E24 4.3 ㏀ .. 4.7 ㏀";
    QTest::newRow("in its series") << 4'700ull << j << "";
    QTest::newRow("up across a decade") << 95ull << j << "E24 91 \u2126 .. 100 \u2126";
    QTest::newRow("past 999 giga-ohms") << 999'000'000'000ull << "±0.50 ％, D"
                                        << "E192 988 G\u2126 .. 1000 G\u2126";
    QTest::newRow("two figures, three-figure series")
        << 12ull << "±1.00 ％, F"
        << "E96 11.8 \u2126 .. 12.1 \u2126";
    QTest::newRow("no colour, E6") << 1'700ull << "±20.00 ％, M"
                                   << "E6 1.5 ㏀ .. 2.2 ㏀";
    QTest::newRow("E24 value, yet not E12") << 1'100ull << "±10.00 ％, K"
                                            << "E12 1 ㏀ .. 1.2 ㏀";
    QTest::newRow("E96 value, yet not E48") << 1'020ull << "±2.00 ％, G"
                                            << "E48 1 ㏀ .. 1.05 ㏀";
    QTest::newRow("grey, finer than 0.5 %, E192") << 4'760ull << "±0.05 ％, A"
                                                  << "E192 4.75 ㏀ .. 4.81 ㏀";
    QTest::newRow("a tolerance between series") << 4'500ull << "±3 ％"
                                                << "";
    QTest::newRow("no tolerance") << 4'500ull << "-"
                                  << "";
    QTest::newRow("zero ohms") << 0ull << j << "";
}

void TestNearest::line()
{
    QFETCH(qulonglong, ohms);
    QFETCH(QString, tolerance);
    QFETCH(QString, line);
    // The tolerance as its box shows it, read as a user would type it.
    const auto typed = readTolerance(symbolsOf(tolerance.toStdString()), false);
    const std::optional<int> hundredths = typed ? typed->hundredths : std::nullopt;
    const std::optional<NearestStandard> n = nearestStandard(ohms, hundredths);
    const auto text = [](const std::string &utf8) { return QString::fromStdString(utf8); };
    QCOMPARE(n ? text(std::string(n->series->name)) + ' ' + text(ohmsText(n->values.below)) + " .. "
                     + text(ohmsText(n->values.above))
               : QString(),
             line);
}

// Against every value of each series laid out in one sorted list, looked up by bisection.
void TestNearest::neighboursOfEveryFiveBandValue()
{
    for (const ESeries &series : StandardSeries) {
        std::vector<std::uint64_t> values;
        for (std::uint64_t entry : series.entries)
            for (std::uint64_t scaled = entry; scaled <= 10'000'000'000'000ull; scaled *= 10)
                values.push_back(scaled);
        std::sort(values.begin(), values.end());

        for (std::uint64_t first = 100; first <= 999; ++first) {
            for (std::uint64_t ohms = first; ohms <= 999'000'000'000ull; ohms *= 10) {
                const std::optional<Neighbours> n = neighboursIn(series, decimalOf(ohms));
                const auto above = std::upper_bound(values.begin(), values.end(), ohms);
                if (*(above - 1) == ohms) {
                    QVERIFY(!n);
                    continue;
                }
                QVERIFY(n);
                QVERIFY(n->below == decimalOf(*(above - 1)));
                QVERIFY(n->above == decimalOf(*above));
            }
        }
    }
}

void TestNearest::step_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<qulonglong>("ohms");
    QTest::addColumn<int>("series"); // its size: 24 for E24
    QTest::addColumn<int>("step"); // Step
    QTest::addColumn<QString>("reached");

    const int up = int(Step::Up), down = int(Step::Down);
    QTest::newRow("E24 up") << 4 << 4'700ull << 24 << up << "5.1 ㏀";
    QTest::newRow("E24 down") << 4 << 4'700ull << 24 << down << "4.3 ㏀";
    QTest::newRow("E96, from a value not in it, up") << 5 << 4'700ull << 96 << up << "4.75 ㏀";
    QTest::newRow("E96, from a value not in it, down") << 5 << 4'700ull << 96 << down << "4.64 ㏀";
    QTest::newRow("down from a series value and more figures") << 5 << 4'710ull << 24 << down
                                                               << "4.7 ㏀";
    QTest::newRow("below the smallest 4-band value") << 4 << 10ull << 24 << down << "below 9.1 \u2126";
    QTest::newRow("above the largest 4-band value")
        << 4 << 91'000'000'000ull << 24 << up << "above 100 G\u2126";
    QTest::newRow("a decade up keeps the figures")
        << 5 << 4'990ull << 24 << int(Step::DecadeUp) << "49.9 ㏀";
    QTest::newRow("a decade down to the smallest")
        << 4 << 100ull << 24 << int(Step::DecadeDown) << "10 \u2126";
    QTest::newRow("a decade under the smallest 5-band value")
        << 5 << 470ull << 24 << int(Step::DecadeDown) << "below 47 \u2126";
    QTest::newRow("a decade over the largest 6-band value")
        << 6 << 100'000'000'000ull << 6 << int(Step::DecadeUp) << "above 1000 G\u2126";
}

void TestNearest::step()
{
    QFETCH(int, bands);
    QFETCH(qulonglong, ohms);
    QFETCH(int, series);
    QFETCH(int, step);
    QFETCH(QString, reached);
    const auto next
        = stepValue(AllKinds[bands - 4], decimalOf(ohms), seriesOfSize(series), Step(step));
    QCOMPARE(::reached(next), reached);
}

void TestNearest::everyStandardValueInTurn_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("series");
    for (int bands : {4, 5, 6})
        for (int size : {6, 12, 24, 48, 96, 192})
            QTest::addRow("%d bands, E%d", bands, size) << bands << size;
}

// Up from the kind's smallest standard value to its largest meets every value of the published
// series that the kind's figures and range hold, in order; Down meets them again in reverse.
void TestNearest::everyStandardValueInTurn()
{
    QFETCH(int, bands);
    QFETCH(int, series);
    // Four bands: two figures from 10 ohms to 99 giga-ohms; five and six: three from 100 to 999 G.
    const int figures = bands == 4 ? 2 : 3;
    const std::uint64_t smallest = bands == 4 ? 10 : 100;
    const std::uint64_t largest = (bands == 4 ? 99 : 999) * 1'000'000'000ull;
    std::vector<std::uint64_t> values;
    for (int entry : published::series(series)) {
        std::uint64_t figuresOnly = std::uint64_t(entry);
        while (figuresOnly % 10 == 0)
            figuresOnly /= 10;
        if (figuresOnly >= (figures == 2 ? 100u : 1000u))
            continue; // more figures than the kind has digit bands
        for (std::uint64_t v = figuresOnly; v <= largest; v *= 10)
            if (v >= smallest)
                values.push_back(v);
    }
    std::sort(values.begin(), values.end());
    QVERIFY(!values.empty());

    const Kind kind = AllKinds[bands - 4];
    const ESeries &s = seriesOfSize(series);
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        const QString expected = QString::fromStdString(ohmsText(decimalOf(values[i + 1])));
        QCOMPARE(reached(stepValue(kind, decimalOf(values[i]), s, Step::Up)), expected);
        const QString back = QString::fromStdString(ohmsText(decimalOf(values[i])));
        QCOMPARE(reached(stepValue(kind, decimalOf(values[i + 1]), s, Step::Down)), back);
    }
    QVERIFY(reached(stepValue(kind, decimalOf(values.back()), s, Step::Up)).startsWith("above"));
    QVERIFY(reached(stepValue(kind, decimalOf(values.front()), s, Step::Down)).startsWith("below"));
}

QTEST_APPLESS_MAIN(TestNearest)
#include "tst_nearest.moc"
