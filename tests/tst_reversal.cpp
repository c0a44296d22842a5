#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <map>
#include <vector>

#include "engine/decimal.h"
#include "engine/marking.h"
#include "engine/reversal.h"
#include "tests/readerfixture.h"

using namespace bandalyx;

namespace {

// What each place may hold, written out here apart from the engine's tables.
const std::vector<int> FirstDigits {1, 2, 3, 4, 5, 6, 7, 8, 9};
const std::vector<int> Digits {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
const std::vector<int> Tolerances {1, 2, 5, 6, 7, 8, 9, 10, 11}; // 9: no band
const std::vector<int> Tempcos {1, 2, 3, 4, 6, 7, 9};
const std::map<int, std::string_view> SeriesOfTolerance {
    {1, "E96"},  {2, "E48"}, {5, "E192"}, {6, "E192"}, {7, "E192"},
    {8, "E192"}, {9, "E6"},  {10, "E24"}, {11, "E12"},
};

bool holds(const std::vector<int> &set, int code)
{
    return std::find(set.begin(), set.end(), code) != set.end();
}

// The places of each kind: first digit, digits, multiplier, tolerance, tempco.
struct Places
{
    std::vector<const std::vector<int> *> sets;
    int multiplier;
    int tolerance;
};

Places placesOf(int bands)
{
    if (bands == 4)
        return {{&FirstDigits, &Digits, &Digits, &Tolerances}, 2, 3};
    Places p {{&FirstDigits, &Digits, &Digits, &Digits, &Tolerances}, 3, 4};
    if (bands == 6)
        p.sets.push_back(&Tempcos);
    return p;
}

// The reading from the last band back: digits, multiplier, tolerance and tempco as they fall.
bool readsBackward(const ReadingOrRefusal &result, const BandSequence &codes, const Places &p)
{
    const BandReading *r = std::get_if<BandReading>(&result);
    if (!r)
        return false;
    const int bands = int(p.sets.size());
    const auto codeAt = [&](int place) { return codes[std::size_t(bands - 1 - place)]; };
    std::uint64_t ohms = 0;
    for (int i = 0; i < p.multiplier; ++i)
        ohms = ohms * 10 + std::uint64_t(codeAt(i));
    for (int i = 0; i < codeAt(p.multiplier); ++i)
        ohms *= 10;
    const int tolerance = codeAt(p.tolerance);
    const bool tempcoRight = bands == 6
        ? r->tempcoPpm && *r->tempcoPpm == *Colours[std::size_t(codeAt(5))].tempcoPpm
        : !r->tempcoPpm;
    return r->ohms == ohms && r->tolerance == Colours[std::size_t(tolerance)].tolerance
        && tempcoRight && r->series && r->series->name == SeriesOfTolerance.at(tolerance)
        && r->standard == inSeries(*r->series, ohms);
}

// A reading or a refusal in a few words of the tests' own.
QString describe(const ReadingOrRefusal &result)
{
    const auto text = [](const std::string &utf8) { return QString::fromStdString(utf8); };
    if (const BandReading *r = std::get_if<BandReading>(&result)) {
        QString reading = text(ohmsText(decimalOf(r->ohms))) + ' ' + text(shortTolerance(r->tolerance));
        if (r->tempcoPpm)
            reading += ' ' + text(tempcoText(*r->tempcoPpm));
        if (r->series)
            reading += (r->standard ? " " : " not ") + text(std::string(r->series->name));
        return reading;
    }
    static const char *roles[] = {"", "first digit", "digit", "multiplier", "tolerance", "tempco"};
    static const char *faults[] = {"not offered", "absent band", "white as tolerance"};
    const BandRefusal &r = std::get<BandRefusal>(result);
    return QString("%1 %2 %3: %4")
        .arg(QChar('A' + index(r.band)), QString::number(r.code), roles[int(r.role)],
             faults[int(r.fault)]);
}

} // namespace

class TestReversal : public QObject
{
    Q_OBJECT

private slots:
    void tooltip_data();
    void tooltip();
    void noSequenceWithoutCodes_data();
    void noSequenceWithoutCodes();
    void everyReadingReversed_data();
    void everyReadingReversed();
};

void TestReversal::tooltip_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("backward");

    QTest::newRow("brown black black brown brown, both ways E96")
        << 5 << QStringList {"1", "0", "0", "1", "1"} << "1 ㏀ ±1 ％ E96"
        << "110 \u2126 ±1 ％ E96";
    QTest::newRow("yellow violet red gold, gold cannot lead")
        << 4 << QStringList {"4", "7", "2", "10"} << "4.7 ㏀ ±5 ％ E24"
        << "D 10 first digit: not offered";
    QTest::newRow("no-colour tolerance is no first digit")
        << 4 << QStringList {"1", "0", "2", "9"} << "1 ㏀ ±20 ％ E6"
        << "D 9 first digit: absent band";
    QTest::newRow("no-colour tolerance is no digit either, 6 bands")
        << 6 << QStringList {"1", "0", "0", "1", "9", "2"} << "1 ㏀ ±20 ％ 50 ppm/℃ E6"
        << "E 9 digit: absent band";
    QTest::newRow("white would be no colour as the tolerance")
        << 4 << QStringList {"9", "1", "2", "1"} << "9.1 ㏀ ±1 ％ not E96"
        << "A 9 tolerance: white as tolerance";
    QTest::newRow("6 bands both ways, the tempco band taking part")
        << 6 << QStringList {"2", "1", "0", "1", "1", "1"} << "2.1 ㏀ ±1 ％ 100 ppm/℃ E96"
        << "111 \u2126 ±1 ％ 50 ppm/℃ not E96";
    QTest::newRow("black as the tolerance, 6 bands")
        << 6 << QStringList {"1", "0", "0", "1", "1", "1"} << "1 ㏀ ±1 ％ 100 ppm/℃ E96"
        << "B 0 tolerance: not offered";
}

void TestReversal::tooltip()
{
    QFETCH(int, bands);
    QFETCH(QStringList, codes);
    QFETCH(QString, forward);
    QFETCH(QString, backward);

    ReaderFixture f(kindOf(bands));
    f.set(codes);
    const std::optional<BandSequence> sequence
        = bandSequenceOf(f.reader.state(), f.view.kind.value());
    QVERIFY(sequence);
    const Directions d = directionsOf(*f.view.kind, *sequence);
    QCOMPARE(describe(d.forward), forward);
    QCOMPARE(describe(d.backward), backward);
    QCOMPARE(d.last, AllBands[std::size_t(bands - 1)]);
}

void TestReversal::noSequenceWithoutCodes_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("text");

    QTest::newRow("a letter") << 4 << int(Band::B) << "x";
    QTest::newRow("a leading zero") << 4 << int(Band::D) << "01";
    QTest::newRow("past the last code") << 5 << int(Band::E) << "12";
    QTest::newRow("empty tempco band") << 6 << int(Band::F) << "";
}

void TestReversal::noSequenceWithoutCodes()
{
    QFETCH(int, bands);
    QFETCH(int, band);
    QFETCH(QString, text);

    ReaderFixture f(kindOf(bands));
    f.set(AllBands[band], text);
    QVERIFY(!bandSequenceOf(f.reader.state(), *f.view.kind));
}

void TestReversal::everyReadingReversed_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("readings");

    QTest::newRow("4 bands") << 4 << 8'100;
    QTest::newRow("5 bands") << 5 << 81'000;
    QTest::newRow("6 bands") << 6 << 567'000;
}

// Every reading a kind can have, reversed. From the other end the reading is possible exactly
// when the forward tolerance band is a real band and each colour may stand in its new place,
// where white is not a tolerance colour; else the first place that fails is named.
void TestReversal::everyReadingReversed()
{
    QFETCH(int, bands);
    QFETCH(int, readings);

    const Kind kind = kindOf(bands);
    const Places places = placesOf(bands);
    std::vector<std::size_t> at(std::size_t(bands), 0);
    int count = 0;
    for (bool more = true; more; ++count) {
        BandSequence codes {};
        for (int i = 0; i < bands; ++i)
            codes[std::size_t(i)] = (*places.sets[std::size_t(i)])[at[std::size_t(i)]];

        std::optional<int> failing;
        for (int i = 0; i < bands && !failing; ++i) {
            const int from = bands - 1 - i;
            const int code = codes[std::size_t(from)];
            const bool absent = from == places.tolerance && code == 9;
            const bool white = i == places.tolerance && code == 9 && !absent;
            if (absent || white || !holds(*places.sets[std::size_t(i)], code))
                failing = from;
        }

        const ReadingOrRefusal backward = readBackward(kind, codes);
        const BandRefusal *refusal = std::get_if<BandRefusal>(&backward);
        const bool ok = failing ? refusal && refusal->band == AllBands[std::size_t(*failing)]
                                : readsBackward(backward, codes, places);
        if (!ok || !std::holds_alternative<BandReading>(readForward(kind, codes))) {
            QString text;
            for (int i = 0; i < bands; ++i)
                text += QString::number(codes[std::size_t(i)]) + ' ';
            QFAIL(qPrintable(text));
        }

        more = false;
        for (int i = bands - 1; i >= 0 && !more; --i) {
            more = ++at[std::size_t(i)] < places.sets[std::size_t(i)]->size();
            if (!more)
                at[std::size_t(i)] = 0;
        }
    }
    QCOMPARE(count, readings);
}

QTEST_APPLESS_MAIN(TestReversal)
#include "tst_reversal.moc"
