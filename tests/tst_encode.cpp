#include <QString>
#include <QStringList>
#include <QTest>

#include <string>

#include "engine/encode.h"
#include "engine/marking.h"
#include "engine/reader.h"
#include "tests/readerfixture.h"
#include "tests/withunit.h"

using namespace bandalyx;

namespace {

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QString kindsNamed(const std::vector<Kind> &kinds)
{
    QStringList names;
    for (Kind k : kinds)
        names.append(text(std::string(nameOf(k))));
    return names.join(' ');
}

// What a refusal found, in a few words of the tests' own: the cause and its numbers.
QString causeOf(const std::optional<MarkRefusal> &mark)
{
    if (!mark)
        return {};
    static const char *faults[] = {"tolerance unreadable", "tolerance not offered",
                                   "tempco unreadable", "tempco not offered", "no tempco band"};
    QString cause = faults[int(mark->fault)];
    if (mark->tolerance)
        cause += ' ' + text(typedToleranceText(*mark->tolerance));
    if (mark->ppm)
        cause += ' ' + text(tempcoText(*mark->ppm));
    return cause;
}

QString causeOf(const Refusal &why)
{
    static const char *parse[] = {"empty",    "too long",     "unparseable", "decimal comma",
                                  "not ohms", "lower-case m", "zero",        "negative"};
    if (const ParseError *e = std::get_if<ParseError>(&why))
        return parse[int(*e)];
    if (const MarkRefusal *m = std::get_if<MarkRefusal>(&why))
        return causeOf(std::optional<MarkRefusal>(*m));
    const ValueRefusal &r = std::get<ValueRefusal>(why);
    QString cause;
    if (r.error == EncodeError::BelowRange)
        cause = "below " + text(ohmsText(r.range.smallest));
    else if (r.error == EncodeError::AboveRange)
        cause = "above " + text(ohmsText(r.range.largest));
    else
        cause = QString("%1 figures of %2, near %3 %4")
                    .arg(QString::number(r.figures), QString::number(r.range.figures),
                         text(ohmsText(r.below)), text(ohmsText(r.above)));
    if (!r.showing.empty())
        cause += "; " + kindsNamed(r.showing);
    return cause;
}

} // namespace

class TestEncode : public QObject
{
    Q_OBJECT

private slots:
    void everyValueComesBack_data();
    void everyValueComesBack();
    void refusals_data();
    void refusals();
    void markings_data();
    void markings();
    void typedMarks_data();
    void typedMarks();
};

void TestEncode::everyValueComesBack_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("figures");
    QTest::addColumn<int>("values");

    QTest::newRow("4 bands") << 4 << 2 << 900;
    QTest::newRow("5 bands") << 5 << 3 << 9000;
    QTest::newRow("6 bands") << 6 << 3 << 9000;
}

// Each value the kind can show, typed as the value box writes it and as plain ohms, goes to
// codes, band by band through the reader, and reads back as the same ohms. Bands without a
// digit or multiplier role are left alone.
void TestEncode::everyValueComesBack()
{
    QFETCH(int, bands);
    QFETCH(int, figures);
    QFETCH(int, values);

    const Kind kind = kindOf(bands);
    ReaderFixture f(kind);
    int count = 0;
    for (std::uint64_t first = figures == 2 ? 10 : 100; first < (figures == 2 ? 100u : 1000u);
         ++first) {
        std::uint64_t ohms = first;
        for (int multiplier = 0; multiplier <= 9; ++multiplier, ohms *= 10, ++count) {
            for (const std::string &text : {withUnit(std::to_string(ohms)), std::to_string(ohms)}) {
                const TypedValue typed = readTypedValue(text, kind);
                if (!typed.applies())
                    QFAIL(qPrintable(QString::fromStdString(text) + ": " + causeOf(*typed.refusal)));
                for (Band b : AllBands) {
                    const bool valueBand = roleOf(kind, b) == Role::FirstDigit
                        || roleOf(kind, b) == Role::Digit || roleOf(kind, b) == Role::Multiplier;
                    const std::optional<int> code = typed.codes[std::size_t(index(b))];
                    if (code.has_value() != valueBand)
                        QFAIL(qPrintable(QString::fromStdString(text) + " sets band "
                                         + QChar('A' + index(b)) + " wrongly"));
                    if (code)
                        f.set(b, QString::number(*code));
                }
                if (f.reader.valueOhms() != ohms)
                    QFAIL(qPrintable(QString::fromStdString(text) + " reads " + f.view.boxes[0]));
            }
        }
    }
    QCOMPARE(count, values);
}

void TestEncode::refusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("cause");

    QTest::newRow("empty") << "" << 4 << "empty";
    QTest::newRow("too long") << QString(65, '1') << 4 << "too long";
    QTest::newRow("unparseable") << "4.7.1" << 4 << "unparseable";
    QTest::newRow("decimal comma") << "4,7k" << 4 << "decimal comma";
    QTest::newRow("not ohms") << "4.7 kV" << 4 << "not ohms";
    QTest::newRow("lower-case m") << "2.2m" << 4 << "lower-case m";
    QTest::newRow("zero") << "0" << 4 << "zero";
    QTest::newRow("negative") << "−4.7k" << 4 << "negative";
    QTest::newRow("below, 4 bands") << "9.9" << 4 << "below 10 \u2126";
    QTest::newRow("below, 5 bands, yet 4 bands show it") << "99" << 5 << "below 100 \u2126; 4색";
    QTest::newRow("below before figures") << "4.75" << 4 << "below 10 \u2126";
    QTest::newRow("above, 4 bands, yet 5 and 6 bands show it")
        << "100G" << 4 << "above 99 G\u2126; 5색 6색";
    QTest::newRow("above before figures, 6 bands") << "999.5G" << 6 << "above 999 G\u2126";
    QTest::newRow("three figures on 4 bands")
        << "4.75 ㏀" << 4 << "3 figures of 2, near 4.7 ㏀ 4.8 ㏀; 5색 6색";
    QTest::newRow("three figures, nearest across a decade")
        << "995" << 4 << "3 figures of 2, near 990 \u2126 1 ㏀; 5색 6색";
    QTest::newRow("three figures, too small for the kinds that read three")
        << "10.5" << 4 << "3 figures of 2, near 10 \u2126 11 \u2126";
    QTest::newRow("four figures on 5 bands") << "4 753" << 5 << "4 figures of 3, near 4.75 ㏀ 4.76 ㏀";
    QTest::newRow("two multipliers are no unit") << "4k7k" << 4 << "unparseable";
    QTest::newRow("a real milliohm value is too small") << "100m\u2126" << 4 << "below 10 \u2126";
    QTest::newRow("many figures, far too large")
        << "9999999999999999999999G" << 6 << "above 999 G\u2126";
    QTest::newRow("a line break is no thousands separator") << "1\n110" << 4 << "unparseable";
    QTest::newRow("a marking's tolerance no colour has")
        << "4.7k 3%" << 4 << "tolerance not offered ±3 ％";
    QTest::newRow("a marking's coefficient on 4 bands") << "10K F 50ppm" << 4 << "no tempco band";
    QTest::newRow("a marking's coefficient no colour has")
        << "10K F 20ppm" << 6 << "tempco not offered 20 ppm/℃";
    QTest::newRow("a marking without a value") << "5%" << 4 << "unparseable";
    QTest::newRow("a Korean multiplier word is no tolerance") << "4.7k 메가" << 6 << "unparseable";
}

// A refused value sets no band.
void TestEncode::refusals()
{
    QFETCH(QString, text);
    QFETCH(int, bands);
    QFETCH(QString, cause);

    const TypedValue typed = readTypedValue(text.toStdString(), kindOf(bands));
    QVERIFY(typed.refusal);
    QCOMPARE(causeOf(*typed.refusal), cause);
    QVERIFY(typed.codes == BandCodes {});
}

// Band codes A to F, -1 for a band the text leaves alone.
using Codes = QList<int>;

void TestEncode::markings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bands");
    QTest::addColumn<Codes>("codes");

    QTest::newRow("letter code and letter") << "4K7J" << 4 << Codes {4, 7, 2, 10, -1, -1};
    QTest::newRow("letter after a blank") << "4K7 J" << 4 << Codes {4, 7, 2, 10, -1, -1};
    QTest::newRow("percent after a blank") << "4.7k 5%" << 4 << Codes {4, 7, 2, 10, -1, -1};
    QTest::newRow("plus-minus percent") << "4.7k ±0.5 ％" << 5 << Codes {4, 7, 0, 1, 5, -1};
    QTest::newRow("M0 then K") << "1M0K" << 4 << Codes {1, 0, 5, 11, -1, -1};
    QTest::newRow("K is the multiplier where it can be")
        << "100K" << 4 << Codes {1, 0, 4, -1, -1, -1};
    QTest::newRow("K after a letter code is the tolerance")
        << "4K7K" << 4 << Codes {4, 7, 2, 11, -1, -1};
    QTest::newRow("tolerance and coefficient") << "10K F 50ppm" << 6 << Codes {1, 0, 0, 2, 1, 2};
    QTest::newRow("coefficient per kelvin") << "10K 100 ppm/K" << 6 << Codes {1, 0, 0, 2, -1, 1};
    QTest::newRow("no colour") << "470R M" << 4 << Codes {4, 7, 1, 9, -1, -1};
    QTest::newRow("ohm word") << "470옴" << 4 << Codes {4, 7, 1, -1, -1, -1};
    QTest::newRow("kilo-ohm word") << "4.7킬로옴" << 4 << Codes {4, 7, 2, -1, -1, -1};
    QTest::newRow("kilo word") << "4.7킬로" << 4 << Codes {4, 7, 2, -1, -1, -1};
    QTest::newRow("kilo word, then a letter") << "4.7킬로 J" << 4 << Codes {4, 7, 2, 10, -1, -1};
    QTest::newRow("kilo word as the point") << "4킬로7" << 4 << Codes {4, 7, 2, -1, -1, -1};
    QTest::newRow("mega-ohm word") << "2.2메가옴" << 4 << Codes {2, 2, 5, -1, -1, -1};
    QTest::newRow("mega word") << "2.2메가" << 4 << Codes {2, 2, 5, -1, -1, -1};
    QTest::newRow("giga-ohm word") << "1기가옴" << 4 << Codes {1, 0, 8, -1, -1, -1};
    QTest::newRow("SPICE mega") << "10MEG" << 4 << Codes {1, 0, 6, -1, -1, -1};
    QTest::newRow("SPICE mega, mixed case") << "10Meg" << 4 << Codes {1, 0, 6, -1, -1, -1};
    QTest::newRow("trailing point") << "47." << 4 << Codes {4, 7, 0, -1, -1, -1};
    QTest::newRow("plus sign") << "+4.7k" << 4 << Codes {4, 7, 2, -1, -1, -1};
}

// An accepted marking sets the bands it names, and the value reads back as typed.
void TestEncode::markings()
{
    QFETCH(QString, text);
    QFETCH(int, bands);
    QFETCH(Codes, codes);

    const TypedValue typed = readTypedValue(text.toStdString(), kindOf(bands));
    QVERIFY2(typed.applies(), qPrintable(causeOf(*typed.refusal)));
    for (int b = 0; b < BandCount; ++b)
        QCOMPARE(typed.codes[std::size_t(b)].value_or(-1), codes[b]);
}

void TestEncode::typedMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tolerance"); // else the temperature coefficient
    QTest::addColumn<int>("bands");
    QTest::addColumn<int>("code"); // -1: refused
    QTest::addColumn<QString>("cause");

    const QString unreadable = "tolerance unreadable";
    QTest::newRow("percent") << "1%" << true << 4 << 1 << "";
    QTest::newRow("plus-minus and a blank") << "±1 %" << true << 4 << 1 << "";
    QTest::newRow("bare number") << "1" << true << 4 << 1 << "";
    QTest::newRow("letter") << "F" << true << 4 << 1 << "";
    QTest::newRow("lower-case letter") << "d" << true << 5 << 5 << "";
    QTest::newRow("half a percent") << "0.5%" << true << 4 << 5 << "";
    QTest::newRow("letter D") << "D" << true << 4 << 5 << "";
    QTest::newRow("as the box shows it") << "±5.00 ％, J" << true << 4 << 10 << "";
    QTest::newRow("grey, as shown") << "±0.05 ％, A" << true << 6 << 8 << "";
    QTest::newRow("no colour, as shown") << "±20.00 ％, M" << true << 4 << 9 << "";
    QTest::newRow("short form") << "±5 ％" << true << 4 << 10 << "";
    QTest::newRow("no blank before the percent") << "±1.00％" << true << 4 << 1 << "";
    QTest::newRow("point without fraction") << "±5. %" << true << 4 << 10 << "";
    QTest::newRow("no whole digits") << "±.5 %" << true << 4 << 5 << "";
    QTest::newRow("words around") << "XYZ 1%" << true << 4 << -1 << unreadable;
    QTest::newRow("dash") << "-" << true << 4 << -1 << unreadable;
    QTest::newRow("empty") << "" << true << 4 << -1 << unreadable;
    QTest::newRow("finer than a hundredth") << "±0.005 ％" << true << 4 << -1 << unreadable;
    QTest::newRow("negative") << "±-5 ％" << true << 4 << -1 << unreadable;
    QTest::newRow("a coefficient") << "100 ppm/℃" << true << 4 << -1 << unreadable;
    // A Korean multiplier word is no tolerance letter, though it stands for M, G or k in a value.
    QTest::newRow("mega word") << "메가" << true << 6 << -1 << unreadable;
    QTest::newRow("giga word") << "기가" << true << 6 << -1 << unreadable;
    QTest::newRow("kilo word") << "킬로" << true << 6 << -1 << unreadable;
    QTest::newRow("letter and percent disagree")
        << "±1 %, J" << true << 4 << -1 << "tolerance not offered ±1 ％, J";
    QTest::newRow("no colour for it") << "2.5%" << true << 4 << -1 << "tolerance not offered ±2.5 ％";
    QTest::newRow("a hundred percent")
        << "±100 ％" << true << 4 << -1 << "tolerance not offered ±100 ％";

    QTest::newRow("ppm") << "50ppm" << false << 6 << 2 << "";
    QTest::newRow("per degree Celsius") << "50 ppm/℃" << false << 6 << 2 << "";
    QTest::newRow("per degree, ASCII C") << "25 ppm/°C" << false << 6 << 3 << "";
    QTest::newRow("per kelvin") << "50 ppm/K" << false << 6 << 2 << "";
    QTest::newRow("bare number") << "50" << false << 6 << 2 << "";
    QTest::newRow("as the box shows it") << "100 ppm/℃" << false << 6 << 1 << "";
    QTest::newRow("no colour for it") << "20ppm" << false << 6 << -1 << "tempco not offered 20 ppm/℃";
    QTest::newRow("not a coefficient") << "50 ppb" << false << 6 << -1 << "tempco unreadable";
    QTest::newRow("no such band on 5 bands") << "50ppm" << false << 5 << -1 << "no tempco band";
}

void TestEncode::typedMarks()
{
    QFETCH(QString, text);
    QFETCH(bool, tolerance);
    QFETCH(int, bands);
    QFETCH(int, code);
    QFETCH(QString, cause);

    const std::string typed = text.toStdString();
    const TypedMark mark = tolerance ? readTypedTolerance(typed, kindOf(bands))
                                     : readTypedTempco(typed, kindOf(bands));
    QCOMPARE(mark.code.value_or(-1), code);
    QCOMPARE(causeOf(mark.refusal), cause);
    QCOMPARE(mark.refusal.has_value(), code < 0);
}

QTEST_APPLESS_MAIN(TestEncode)
#include "tst_encode.moc"
