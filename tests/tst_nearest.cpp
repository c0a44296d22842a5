#include <QString>
#include <QTest>

#include <algorithm>
#include <vector>

#include "engine/marking.h"
#include "engine/nearest.h"
#include "engine/valuetext.h"

using namespace bandalyx;

class TestNearest : public QObject
{
    Q_OBJECT

private slots:
    void line_data();
    void line();
    void neighboursOfEveryFiveBandValue();
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

QTEST_APPLESS_MAIN(TestNearest)
#include "tst_nearest.moc"
