#include <QString>
#include <QStringList>
#include <QTest>

#include <string>

#include "engine/eseries.h"
#include "engine/explain.h"
#include "engine/reader.h"
#include "tests/publishedseries.h"
#include "tests/readerfixture.h"

using namespace bandalyx;

namespace {

QString q(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

const ESeries *seriesNamed(const QString &name)
{
    for (const ESeries &s : StandardSeries) {
        if (name == QLatin1String(s.name.data(), qsizetype(s.name.size())))
            return &s;
    }
    return nullptr;
}

// The series that hold a value, as the explanation lists them.
const QString All = "E6 E12 E24 E48 E96 E192";
const QString NoSeries = "";
const QString Ohm = " \u2126";
const QString Kilo = " \u33C0";
const QString Mega = " \u33C1";
const QString Giga = " G\u2126";

QString range(const QString &low, const QString &high, const QString &unit)
{
    return low + unit + " .. " + high + unit;
}

QString rangeOf(const Explanation &e)
{
    return e.range ? q(e.range->low) + " .. " + q(e.range->high) : QString();
}

// The value to its last digit, then the series that hold it.
QString valueOf(const Explanation &e)
{
    QStringList series;
    for (std::string_view name : e.series)
        series.append(q(std::string(name)));
    return q(e.exact) + "\n" + series.join(' ');
}

} // namespace

class TestExplain : public QObject
{
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void tolerances_data();
    void tolerances();
    void rangeKeepsTheNominalUnit_data();
    void rangeKeepsTheNominalUnit();
    void noToleranceTextYet();
    void noPlainValue_data();
    void noPlainValue();
    void exactCodePoints();
    void seriesFollowTheFormula_data();
    void seriesFollowTheFormula();
    void everyOtherEntryMakesTheHalfSeries_data();
    void everyOtherEntryMakesTheHalfSeries();
    void membership_data();
    void membership();
};

void TestExplain::readings_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QStringList>("codes"); // from band A on; the kind's default stands elsewhere
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("range");

    QTest::newRow("start, 4 bands")
        << 4 << QStringList {} << "10" + Ohm + "\n" + All << range("9.5", "10.5", Ohm);
    QTest::newRow("start, 5 bands")
        << 5 << QStringList {} << "100" + Ohm + "\n" + All << range("95", "105", Ohm);
    QTest::newRow("start, 6 bands")
        << 6 << QStringList {} << "100" + Ohm + "\n" + All << range("95", "105", Ohm);
    QTest::newRow("4.7 kilo-ohms gold, also 4.70 in E192")
        << 4 << QStringList {"4", "7", "2", "10"} << "4 700" + Ohm + "\nE6 E12 E24 E192"
        << range("4.465", "4.935", Kilo);
    QTest::newRow("4.99 kilo-ohms brown, three figures")
        << 5 << QStringList {"4", "9", "9", "1", "1"} << "4 990" + Ohm + "\nE96 E192"
        << range("4.9401", "5.0399", Kilo);
    QTest::newRow("4.64 kilo-ohms green, E48 but not E24")
        << 5 << QStringList {"4", "6", "4", "1", "5"} << "4 640" + Ohm + "\nE48 E96 E192"
        << range("4.6168", "4.6632", Kilo);
    QTest::newRow("1 kilo-ohm brown, in every series")
        << 5 << QStringList {"1", "0", "0", "1", "1"} << "1 000" + Ohm + "\n" + All
        << range("0.99", "1.01", Kilo);
    QTest::newRow("1.1 kilo-ohms, E24 only of the two-figure series")
        << 4 << QStringList {"1", "1", "2"} << "1 100" + Ohm + "\nE24 E48 E96 E192"
        << range("1.045", "1.155", Kilo);
    QTest::newRow("2 kilo-ohms, a mantissa ending in zero")
        << 4 << QStringList {"2", "0", "2"} << "2 000" + Ohm + "\nE24 E96 E192"
        << range("1.9", "2.1", Kilo);
    QTest::newRow("9.2 kilo-ohms, E192's odd entry")
        << 5 << QStringList {"9", "2", "0", "1", "1"} << "9 200" + Ohm + "\nE192"
        << range("9.108", "9.292", Kilo);
    QTest::newRow("1.7 kilo-ohms, in no series")
        << 4 << QStringList {"1", "7", "2"} << "1 700" + Ohm + "\n" + NoSeries
        << range("1.615", "1.785", Kilo);
    QTest::newRow("990 ohms red, upper bound past a thousand")
        << 4 << QStringList {"9", "9", "1", "2"} << "990" + Ohm + "\n" + NoSeries
        << range("970.2", "1 009.8", Ohm);
    QTest::newRow("999 giga-ohms, no colour")
        << 5 << QStringList {"9", "9", "9", "9", "9"} << "999 000 000 000" + Ohm + "\n" + NoSeries
        << range("799.2", "1 198.8", Giga);
    QTest::newRow("10 ohms grey") << 4 << QStringList {"1", "0", "0", "8"}
                                  << "10" + Ohm + "\n" + All << range("9.995", "10.005", Ohm);
    QTest::newRow("black tolerance is no range")
        << 4 << QStringList {"1", "0", "2", "0"} << "1 000" + Ohm + "\n" + All << "";
    QTest::newRow("6 bands, yellow tolerance is no range")
        << 6 << QStringList {"4", "7", "0", "1", "4"}
        << "4 700" + Ohm + "\nE6 E12 E24 E192"
        << "";
    QTest::newRow("leading black digit, 1 ohm")
        << 4 << QStringList {"0", "1", "0"} << "1" + Ohm + "\n" + All << range("0.95", "1.05", Ohm);
    QTest::newRow("zero ohms, in no series and no range")
        << 4 << QStringList {"0", "0", "0"} << "0" + Ohm + "\n" + NoSeries << "";
}

void TestExplain::readings()
{
    QFETCH(int, bands);
    QFETCH(QStringList, codes);
    QFETCH(QString, value);
    QFETCH(QString, range);

    ReaderFixture f(kindOf(bands));
    f.set(codes);
    const Explanation e = explain(f.reader);
    QCOMPARE(valueOf(e), value);
    QCOMPARE(rangeOf(e), range);
}

void TestExplain::tolerances_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("range");

    // Every tolerance colour on 10 kilo-ohms; the band starts gold.
    QTest::newRow("0 black") << "0"
                             << "";
    QTest::newRow("1 brown") << "1" << range("9.9", "10.1", Kilo);
    QTest::newRow("2 red") << "2" << range("9.8", "10.2", Kilo);
    QTest::newRow("3 orange keeps gold") << "3" << range("9.5", "10.5", Kilo);
    QTest::newRow("4 yellow") << "4"
                              << "";
    QTest::newRow("5 green") << "5" << range("9.95", "10.05", Kilo);
    QTest::newRow("6 blue") << "6" << range("9.975", "10.025", Kilo);
    QTest::newRow("7 violet") << "7" << range("9.99", "10.01", Kilo);
    QTest::newRow("8 grey") << "8" << range("9.995", "10.005", Kilo);
    QTest::newRow("9 no colour") << "9" << range("8", "12", Kilo);
    QTest::newRow("10 gold") << "10" << range("9.5", "10.5", Kilo);
    QTest::newRow("11 silver") << "11" << range("9", "11", Kilo);
}

void TestExplain::tolerances()
{
    QFETCH(QString, code);
    QFETCH(QString, range);

    ReaderFixture f(Kind::FourBands);
    f.set({"1", "0", "3", code});
    QCOMPARE(rangeOf(explain(f.reader)), range);
}

void TestExplain::rangeKeepsTheNominalUnit_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("range");

    QTest::newRow("ohms, whole bounds")
        << 4 << QStringList {"1", "0", "0", "9"} << range("8", "12", Ohm);
    QTest::newRow("ohms, four decimals")
        << 5 << QStringList {"1", "0", "1", "0", "8"} << range("100.9495", "101.0505", Ohm);
    QTest::newRow("kilo-ohms dipping below one")
        << 4 << QStringList {"1", "0", "2", "9"} << range("0.8", "1.2", Kilo);
    QTest::newRow("kilo-ohms climbing past a thousand")
        << 4 << QStringList {"9", "9", "4", "9"} << range("792", "1 188", Kilo);
    QTest::newRow("mega-ohms dipping below one")
        << 4 << QStringList {"1", "0", "5", "8"} << range("0.9995", "1.0005", Mega);
    QTest::newRow("mega-ohms, all figures kept")
        << 4 << QStringList {"9", "9", "7", "8"} << range("989.505", "990.495", Mega);
    QTest::newRow("giga-ohms dipping below one")
        << 4 << QStringList {"1", "0", "8", "8"} << range("0.9995", "1.0005", Giga);
    QTest::newRow("giga-ohms, three figures, finest tolerance")
        << 5 << QStringList {"1", "2", "3", "9", "8"} << range("122.9385", "123.0615", Giga);
    QTest::newRow("giga-ohms silver")
        << 4 << QStringList {"9", "9", "9", "11"} << range("89.1", "108.9", Giga);
}

void TestExplain::rangeKeepsTheNominalUnit()
{
    QFETCH(int, bands);
    QFETCH(QStringList, codes);
    QFETCH(QString, range);

    ReaderFixture f(kindOf(bands));
    f.set(codes);
    QCOMPARE(rangeOf(explain(f.reader)), range);
}

// Orange keeps the previous tolerance text; on a fresh reader there is none.
void TestExplain::noToleranceTextYet()
{
    FakeView view;
    view.kind = Kind::FourBands;
    Reader reader(view);
    reader.BaseValueShow(4, 7, 2, 3, "", "");
    QVERIFY(reader.state().ToleranceText.empty());

    const Explanation e = explain(reader);
    QCOMPARE(valueOf(e), "4 700" + Ohm + "\nE6 E12 E24 E192");
    QVERIFY(!e.range);
}

void TestExplain::noPlainValue_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<bool>("kindSelected");

    QTest::newRow("no kind selected") << 4 << QStringList {} << false;
    QTest::newRow("gold multiplier keeps an earlier value")
        << 4 << QStringList {"4", "7", "10"} << true;
    QTest::newRow("silver multiplier keeps an earlier value")
        << 5 << QStringList {"4", "7", "0", "11"} << true;
    QTest::newRow("a letter in a digit band") << 4 << QStringList {"x"} << true;
    QTest::newRow("an empty digit band") << 4 << QStringList {"1", ""} << true;
    QTest::newRow("a two-figure code in a digit band") << 4 << QStringList {"1", "10"} << true;
    QTest::newRow("an empty multiplier band") << 5 << QStringList {"1", "0", "0", ""} << true;
}

void TestExplain::noPlainValue()
{
    QFETCH(int, bands);
    QFETCH(QStringList, codes);
    QFETCH(bool, kindSelected);

    ReaderFixture f(kindOf(bands));
    f.set(codes);
    if (!kindSelected) {
        f.view.kind.reset();
        f.reader.ResultValueShow();
    }
    QVERIFY(!f.reader.valueOhms());
    const Explanation e = explain(f.reader);
    QVERIFY(e.exact.empty() && e.series.empty() && !e.range && !e.nearest);
}

void TestExplain::exactCodePoints()
{
    ReaderFixture f(Kind::FourBands);
    f.set({"4", "7", "2"});
    const Explanation e = explain(f.reader);
    const QString value = q(e.exact);

    QCOMPARE(value.at(1).unicode(), 0x0020); // groups split by a plain blank
    QCOMPARE(value.back().unicode(), 0x2126);
    QVERIFY(!value.contains(QChar(0x03A9)));
    QVERIFY(e.range && q(e.range->high).endsWith(QChar(0x33C0)));
}

void TestExplain::seriesFollowTheFormula_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("figures");
    QTest::addColumn<int>("exceptions");

    QTest::newRow("E6") << "E6" << 6 << 2 << 2;
    QTest::newRow("E12") << "E12" << 12 << 2 << 5;
    QTest::newRow("E24") << "E24" << 24 << 2 << 8;
    QTest::newRow("E48") << "E48" << 48 << 3 << 0;
    QTest::newRow("E96") << "E96" << 96 << 3 << 0;
    QTest::newRow("E192") << "E192" << 192 << 3 << 1;
}

// Entry i of an n-series follows the formula except where the series kept an older value.
void TestExplain::seriesFollowTheFormula()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, figures);
    QFETCH(int, exceptions);

    const ESeries *series = seriesNamed(name);
    QVERIFY(series);
    QCOMPARE(int(series->entries.size()), size);
    QCOMPARE(series->significantDigits, figures);

    int kept = 0;
    for (int i = 0; i < size; ++i) {
        const int entry = series->entries[std::size_t(i)];
        const int formula = published::formulaEntry(i, size, figures);
        if (entry == formula)
            continue;
        bool known = false;
        for (const published::Kept &x : published::KeptValues)
            known = known || (x.entry == entry && x.formula == formula);
        if (!known)
            QFAIL(qPrintable(QString("%1 entry %2 is %3, the formula gives %4")
                                 .arg(name)
                                 .arg(i)
                                 .arg(entry)
                                 .arg(formula)));
        ++kept;
    }
    QCOMPARE(kept, exceptions);
}

void TestExplain::everyOtherEntryMakesTheHalfSeries_data()
{
    QTest::addColumn<QString>("half");
    QTest::addColumn<QString>("full");

    QTest::newRow("E6 in E12") << "E6"
                               << "E12";
    QTest::newRow("E12 in E24") << "E12"
                                << "E24";
    QTest::newRow("E48 in E96") << "E48"
                                << "E96";
    QTest::newRow("E96 in E192") << "E96"
                                 << "E192";
}

void TestExplain::everyOtherEntryMakesTheHalfSeries()
{
    QFETCH(QString, half);
    QFETCH(QString, full);

    const ESeries *h = seriesNamed(half);
    const ESeries *f = seriesNamed(full);
    QVERIFY(h && f);
    QCOMPARE(f->entries.size(), 2 * h->entries.size());
    for (std::size_t i = 0; i < h->entries.size(); ++i)
        QCOMPARE(int(f->entries[2 * i]), int(h->entries[i]));
}

void TestExplain::membership_data()
{
    QTest::addColumn<QString>("name");
    for (const ESeries &s : StandardSeries) {
        const QString name = QString::fromLatin1(s.name.data(), qsizetype(s.name.size()));
        QTest::newRow(qPrintable(name)) << name;
    }
}

// Each entry is found in every decade a reading reaches; the next value up, when not itself
// an entry, is not; nor is an entry with one more figure than the series carries.
void TestExplain::membership()
{
    QFETCH(QString, name);
    const ESeries *series = seriesNamed(name);
    QVERIFY(series);

    const auto isEntry = [&](std::uint64_t v) {
        for (std::uint16_t e : series->entries)
            if (e == v)
                return true;
        return false;
    };
    const std::uint64_t limit = series->significantDigits == 2 ? 100 : 1000;
    for (std::uint16_t entry : series->entries) {
        std::uint64_t scale = 1;
        for (int k = 0; k <= 9; ++k, scale *= 10) {
            QVERIFY2(inSeries(*series, entry * scale), qPrintable(QString::number(entry * scale)));
            QVERIFY(!inSeries(*series, (entry * 10 + 1) * scale));
            const std::uint64_t next = entry + 1u;
            if (next < limit && !isEntry(next))
                QVERIFY2(!inSeries(*series, next * scale),
                         qPrintable(QString::number(next * scale)));
        }
    }
    QVERIFY(!inSeries(*series, 0));
}

QTEST_APPLESS_MAIN(TestExplain)
#include "tst_explain.moc"
