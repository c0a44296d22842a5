#include <QString>
#include <QStringList>
#include <QTest>

#include "engine/reader.h"
#include "tests/readerfixture.h"

using namespace bandalyx;

class TestReader : public QObject
{
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void tolerance_data();
    void tolerance();
    void tempco_data();
    void tempco();
    void unusedBandsChangeOnlyTheCodeString_data();
    void unusedBandsChangeOnlyTheCodeString();
    void noBandSelectedRewritesTheSameReading();
    void noKindSelectedLeavesTheBoxesEmpty();
    void multiplierOutsideDigitsKeepsTheValue_data();
    void multiplierOutsideDigitsKeepsTheValue();
    void numberAndTextBandsReadAlike();
    void exactCodePoints_data();
    void exactCodePoints();
};

void TestReader::readings_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<QStringList>("codes"); // from band A on; the kind's default stands elsewhere
    QTest::addColumn<QStringList>("shown");

    const QString j = "±5.00 ％, J";
    QTest::newRow("start, 4 bands") << 4 << QStringList {} << QStringList {"10 Ω", j, "-"};
    QTest::newRow("start, 5 bands") << 5 << QStringList {} << QStringList {"100 Ω", j, "-"};
    QTest::newRow("start, 6 bands") << 6 << QStringList {} << QStringList {"100 Ω", j, "100 ppm/℃"};
    QTest::newRow("4.7 kilo-ohms keeps its fraction")
        << 4 << QStringList {"4", "7", "2", "10"} << QStringList {"4.7 ㏀", j, "-"};
    QTest::newRow("1.5 kilo-ohms")
        << 4 << QStringList {"1", "5", "2"} << QStringList {"1.5 ㏀", j, "-"};
    QTest::newRow("100 ohms") << 4 << QStringList {"1", "0", "1"} << QStringList {"100 Ω", j, "-"};
    QTest::newRow("1 kilo-ohm, no trailing point")
        << 4 << QStringList {"1", "0", "2"} << QStringList {"1 ㏀", j, "-"};
    QTest::newRow("10 kilo-ohms") << 4 << QStringList {"1", "0", "3", "10"}
                                  << QStringList {"10 ㏀", j, "-"};
    QTest::newRow("220 kilo-ohms, silver")
        << 4 << QStringList {"2", "2", "4", "11"} << QStringList {"220 ㏀", "±10.00 ％, K", "-"};
    QTest::newRow("2.2 mega-ohms")
        << 4 << QStringList {"2", "2", "5"} << QStringList {"2.2 ㏁", j, "-"};
    QTest::newRow("99 giga-ohms, 11 digits")
        << 4 << QStringList {"9", "9", "9"} << QStringList {"99 GΩ", j, "-"};
    QTest::newRow("999 giga-ohms, 12 digits")
        << 5 << QStringList {"9", "9", "9", "9"} << QStringList {"999 GΩ", j, "-"};
    QTest::newRow("5 bands, 1 kilo-ohm brown tolerance")
        << 5 << QStringList {"1", "0", "0", "1", "1"} << QStringList {"1 ㏀", "±1.00 ％, F", "-"};
    QTest::newRow("4.99 kilo-ohms")
        << 5 << QStringList {"4", "9", "9", "1"} << QStringList {"4.99 ㏀", j, "-"};
    QTest::newRow("1.25 kilo-ohms")
        << 5 << QStringList {"1", "2", "5", "1"} << QStringList {"1.25 ㏀", j, "-"};
    QTest::newRow("5 bands, no-colour tolerance")
        << 5 << QStringList {"1", "0", "0", "0", "9"} << QStringList {"100 Ω", "±20.00 ％, M", "-"};
    QTest::newRow("6 bands, no-colour tolerance, red tempco")
        << 6 << QStringList {"4", "7", "0", "1", "9", "2"}
        << QStringList {"4.7 ㏀", "±20.00 ％, M", "50 ppm/℃"};
    QTest::newRow("6 bands, 4.7 mega-ohms, white tempco")
        << 6 << QStringList {"4", "7", "0", "4", "6", "9"}
        << QStringList {"4.7 ㏁", "±0.25 ％, C", "1 ppm/℃"};
}

void TestReader::readings()
{
    QFETCH(int, bands);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, shown);

    ReaderFixture f(kindOf(bands));
    for (int i = 0; i < codes.size(); ++i)
        f.set(AllBands[i], codes[i]);
    QCOMPARE(f.view.shown(), shown);
}

void TestReader::tolerance_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");

    // The band starts silver, so a code that keeps the previous text shows silver's.
    const QString kept = "±10.00 ％, K";
    // clang-format off
    QTest::newRow("0 black is no tolerance")          << "0"  << "-";
    QTest::newRow("1 brown")                          << "1"  << "±1.00 ％, F";
    QTest::newRow("2 red")                            << "2"  << "±2.00 ％, G";
    QTest::newRow("3 orange keeps the previous text") << "3"  << kept;
    QTest::newRow("4 yellow is no tolerance")         << "4"  << "-";
    QTest::newRow("5 green")                          << "5"  << "±0.50 ％, D";
    QTest::newRow("6 blue")                           << "6"  << "±0.25 ％, C";
    QTest::newRow("7 violet")                         << "7"  << "±0.10 ％, B";
    QTest::newRow("8 grey")                           << "8"  << "±0.05 ％, A";
    QTest::newRow("9 no colour")                      << "9"  << "±20.00 ％, M";
    QTest::newRow("10 gold")                          << "10" << "±5.00 ％, J";
    QTest::newRow("11 silver")                        << "11" << kept;
    QTest::newRow("leading zero is no code")          << "01" << kept;
    QTest::newRow("leading blank is no code")         << " 1" << kept;
    QTest::newRow("empty text is no code")            << ""   << kept;
    QTest::newRow("12 is no code")                    << "12" << kept;
    // clang-format on
}

void TestReader::tolerance()
{
    QFETCH(QString, code);
    QFETCH(QString, text);

    ReaderFixture f(Kind::FourBands);
    f.set(Band::D, "11");
    f.set(Band::D, code);
    QCOMPARE(f.view.boxes[1], text);
    QCOMPARE(f.view.boxes[0], "10 Ω");
}

void TestReader::tempco_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");

    // The band starts blue; a code that keeps the previous text shows blue's.
    const QString kept = "10 ppm/℃";
    // clang-format off
    QTest::newRow("0 black")                          << "0"   << "-";
    QTest::newRow("1 brown")                          << "1"   << "100 ppm/℃";
    QTest::newRow("2 red")                            << "2"   << "50 ppm/℃";
    QTest::newRow("3 orange")                         << "3"   << "25 ppm/℃";
    QTest::newRow("4 yellow")                         << "4"   << "15 ppm/℃";
    QTest::newRow("5 green")                          << "5"   << "-";
    QTest::newRow("6 blue")                           << "6"   << kept;
    QTest::newRow("7 violet")                         << "7"   << "5 ppm/℃";
    QTest::newRow("8 grey")                           << "8"   << "-";
    QTest::newRow("9 white")                          << "9"   << "1 ppm/℃";
    QTest::newRow("10 gold keeps the previous text")  << "10"  << kept;
    QTest::newRow("11 silver")                        << "11"  << "-";
    QTest::newRow("leading zero reads as its number") << "03"  << "25 ppm/℃";
    QTest::newRow("12 is no code")                    << "12"  << kept;
    QTest::newRow("negative is no code")              << "-1"  << kept;
    QTest::newRow("a word is no number")              << "red" << kept;
    QTest::newRow("empty text is no number")          << ""    << kept;
    // clang-format on
}

void TestReader::tempco()
{
    QFETCH(QString, code);
    QFETCH(QString, text);

    ReaderFixture f(Kind::SixBands);
    f.set(Band::F, "6");
    f.set(Band::F, code);
    QCOMPARE(f.view.shown(), QStringList({"100 Ω", "±5.00 ％, J", text}));
}

void TestReader::unusedBandsChangeOnlyTheCodeString_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("codeString");

    QTest::newRow("4 bands, band E") << 4 << int(Band::E) << "100107";
    QTest::newRow("4 bands, band F") << 4 << int(Band::F) << "100107";
    QTest::newRow("5 bands, band F") << 5 << int(Band::F) << "1000107";
}

void TestReader::unusedBandsChangeOnlyTheCodeString()
{
    QFETCH(int, bands);
    QFETCH(int, band);
    QFETCH(QString, codeString);

    ReaderFixture f(kindOf(bands));
    const QStringList before = f.view.shown();
    f.set(AllBands[band], "7");
    QCOMPARE(QString::fromStdString(f.reader.state().CodeString), codeString);
    QCOMPARE(f.view.shown(), before);
}

void TestReader::noBandSelectedRewritesTheSameReading()
{
    ReaderFixture f(Kind::SixBands);
    const QStringList before = f.view.shown();
    const ReaderState bandsBefore = f.reader.state();
    f.view.band.reset();
    f.view.writes = 0;
    f.reader.SelectColorValue("7");

    QCOMPARE(f.view.writes, 3);
    QCOMPARE(f.view.shown(), before);
    const ReaderState &after = f.reader.state();
    for (Band b : AllBands)
        QVERIFY(after.band(b) == bandsBefore.band(b));
}

void TestReader::noKindSelectedLeavesTheBoxesEmpty()
{
    ReaderFixture f(Kind::FourBands);
    f.view.kind.reset();
    f.reader.BaseValueShow(defaultResistor(Kind::SixBands));
    QCOMPARE(f.view.shown(), QStringList({"", "", ""}));
    QCOMPARE(QString::fromStdString(f.reader.state().CodeString), "1000101");
}

void TestReader::multiplierOutsideDigitsKeepsTheValue_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("gold") << "10";
    QTest::newRow("silver") << "11";
    QTest::newRow("negative") << "-1";
    QTest::newRow("not a number") << "x";
}

// The value stays as it was and is not given a second unit ("10 Ω" must not become "1 ㏀").
void TestReader::multiplierOutsideDigitsKeepsTheValue()
{
    QFETCH(QString, code);

    ReaderFixture f(Kind::FourBands);
    f.set(Band::A, "4");
    f.set(Band::B, "7");
    f.set(Band::C, "2");
    f.set(Band::C, code);
    QCOMPARE(f.view.boxes[0], "4.7 ㏀");
    f.set(Band::D, "1");
    QCOMPARE(f.view.shown(), QStringList({"4.7 ㏀", "±1.00 ％, F", "-"}));
}

void TestReader::numberAndTextBandsReadAlike()
{
    FakeView view;
    view.kind = Kind::FourBands;
    Reader reader(view);
    reader.BaseValueShow(1, 0, 0, 10, "", "");
    const QStringList asNumbers = view.shown();
    reader.BaseValueShow("1", "0", "0", "10", "", "");
    QCOMPARE(view.shown(), asNumbers);
    QCOMPARE(asNumbers, QStringList({"10 Ω", "±5.00 ％, J", "-"}));
}

void TestReader::exactCodePoints_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lastCodePoint");

    QTest::newRow("ohm sign, not omega") << QStringList {} << 0 << "100 Ω" << 0x2126;
    QTest::newRow("square k ohm") << QStringList {"1", "0", "0", "1"} << 0 << "1 ㏀" << 0x33C0;
    QTest::newRow("square m ohm") << QStringList {"1", "0", "0", "4"} << 0 << "1 ㏁" << 0x33C1;
    QTest::newRow("giga ohm") << QStringList {"1", "0", "0", "7"} << 0 << "1 GΩ" << 0x2126;
    QTest::newRow("tempco degree celsius") << QStringList {} << 2 << "100 ppm/℃" << 0x2103;
}

void TestReader::exactCodePoints()
{
    QFETCH(QStringList, codes);
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(int, lastCodePoint);

    ReaderFixture f(Kind::SixBands);
    for (int i = 0; i < codes.size(); ++i)
        f.set(AllBands[i], codes[i]);
    const QString shown = f.view.boxes[box];
    QCOMPARE(shown, text);
    QCOMPARE(shown.back().unicode(), lastCodePoint);
    QVERIFY(!shown.contains(QChar(0x03A9)));

    const QString tolerance = f.view.boxes[1];
    QCOMPARE(tolerance.front().unicode(), 0x00B1);
    QVERIFY(tolerance.contains(QChar(0xFF05)));
    QVERIFY(!tolerance.contains(QChar('%')));
}

QTEST_APPLESS_MAIN(TestReader)
#include "tst_reader.moc"
