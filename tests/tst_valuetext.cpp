#include <QByteArray>
#include <QString>
#include <QTest>

#include <string>

#include "engine/reader.h"
#include "engine/valuetext.h"
#include "tests/withunit.h"

using namespace bandalyx;

Q_DECLARE_METATYPE(bandalyx::ParseError)
Q_DECLARE_METATYPE(bandalyx::Decimal)

namespace {

void accepted(const char *row, const QByteArray &text, const QString &ohms)
{
    QTest::newRow(row) << text << ohms << ParseError {};
}

void refused(const char *row, const QByteArray &text, ParseError reason)
{
    QTest::newRow(row) << text << QString() << reason;
}

} // namespace

class TestValueText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void writtenAsTheValueBoxWrites();
    void orderByValue_data();
    void orderByValue();
};

// Accepted rows give the value as the value box would write it; refused rows their reason.
void TestValueText::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("ohms");
    QTest::addColumn<ParseError>("reason");

    accepted("plain ohms", "4700", "4.7 ㏀");
    accepted("thousands by blank", "4 700", "4.7 ㏀");
    accepted("thousands by comma", "4,700", "4.7 ㏀");
    accepted("millions by comma", "1,000,000", "1 ㏁");
    accepted("thousands and a fraction", "1 000.5", "1.0005 ㏀");
    accepted("no-break space", "4\u00A0700", "4.7 ㏀");
    accepted("thin space", "4\u2009700 \u2126", "4.7 ㏀");
    accepted("ideographic space", "4\u3000700", "4.7 ㏀");
    accepted("full-width digits", "４７００", "4.7 ㏀");
    accepted("full-width point, comma, letter", "４，７００．５ｋ", "4.7005 ㏁");
    accepted("kilo", "4.7k", "4.7 ㏀");
    accepted("capital kilo after a blank", "4.7 K", "4.7 ㏀");
    accepted("kilo and ohm sign", "4.7k\u2126", "4.7 ㏀");
    accepted("kilo and omega", "4.7 k\u03A9", "4.7 ㏀");
    accepted("square k ohm", "4.7 ㏀", "4.7 ㏀");
    accepted("mega", "2.2M", "2.2 ㏁");
    accepted("square m ohm", "2.2 ㏁", "2.2 ㏁");
    accepted("giga", "1G", "1 G\u2126");
    accepted("giga ohm", "1 G\u2126", "1 G\u2126");
    accepted("ohm word", "470 ohm", "470 \u2126");
    accepted("ohms word, any case", "4.7 KOhms", "4.7 ㏀");
    accepted("letter code K", "4K7", "4.7 ㏀");
    accepted("letter code k", "4k7", "4.7 ㏀");
    accepted("letter code M", "2M2", "2.2 ㏁");
    accepted("letter code G", "1G5", "1.5 G\u2126");
    accepted("letter code R last", "470R", "470 \u2126");
    accepted("letter code R with a zero", "47R0", "47 \u2126");
    accepted("letter code R first", "R47", "0.47 \u2126");
    accepted("letter code and ohm sign", "4K7 \u2126", "4.7 ㏀");
    accepted("blanks and a line end around", "  4.7k \n", "4.7 ㏀");
    accepted("fraction only", ".5k", "500 \u2126");
    accepted("leading zeros", "0047", "47 \u2126");
    accepted("trailing fraction zeros", "4.700k", "4.7 ㏀");
    accepted("tera, refused later as too large", "1T", "1000 G\u2126");
    accepted("micro, refused later as too small", "1 \u00B5\u2126", "0.000001 \u2126");
    accepted("eighteen figures", "123456789012345678", "123456789.012345678 G\u2126");
    accepted("64 bytes", QByteArray("4700").leftJustified(64, ' '), "4.7 ㏀");
    accepted("milliohm sign, a real milliohm value", "10 m\u2126", "0.01 \u2126");
    accepted("milliohm word", "100 mohm", "0.1 \u2126");
    accepted("point without fraction", "4.", "4 \u2126");
    accepted("point without fraction, then a unit", "10. k", "10 ㏀");
    accepted("plus sign", "+470", "470 \u2126");
    accepted("plus sign, a blank, a unit", "+ 4.7k", "4.7 ㏀");
    accepted("line ends around, from a paste", "\r\n4.7k\r\n", "4.7 ㏀");
    accepted("Korean ohm", "470옴", "470 \u2126");
    accepted("Korean kilo-ohm", "4.7킬로옴", "4.7 ㏀");
    accepted("Korean kilo", "4.7 킬로", "4.7 ㏀");
    accepted("Korean mega-ohm", "2.2메가옴", "2.2 ㏁");
    accepted("Korean mega", "2.2메가", "2.2 ㏁");
    accepted("Korean giga-ohm", "1기가옴", "1 G\u2126");
    accepted("SPICE mega", "10MEG", "10 ㏁");
    accepted("SPICE mega, mixed case", "10Meg", "10 ㏁");
    accepted("SPICE mega and ohm", "10 meg ohm", "10 ㏁");
    accepted("far too large, cut to eighteen figures", "1234567890123456789",
             "1234567890.12345678 G\u2126");
    accepted("far too large in giga-ohms", "9999999999999999999999G",
             "9999999999999999990000 G\u2126");

    refused("empty", "", ParseError::Empty);
    refused("blanks only", " \u3000 ", ParseError::Empty);
    refused("65 bytes, checked first", QByteArray("4700").leftJustified(65, ' '),
            ParseError::TooLong);
    refused("nineteen figures inside the range", "10.00000000000000001", ParseError::TooLong);
    refused("a word", "abc", ParseError::Unparseable);
    refused("point alone", ".", ParseError::Unparseable);
    refused("point alone before a unit", ". k", ParseError::Unparseable);
    refused("two points", "4.7.1", ParseError::Unparseable);
    refused("exponent notation", "1e3", ParseError::Unparseable);
    refused("blank inside a group", "4 7k", ParseError::Unparseable);
    refused("mixed separators", "1,000 000", ParseError::Unparseable);
    refused("first group too long", "4700,000", ParseError::Unparseable);
    refused("two signs", "+-470", ParseError::Unparseable);
    refused("a line break inside", "1\n110", ParseError::Unparseable);
    refused("a paragraph separator inside", "1\u2029110", ParseError::Unparseable);
    refused("two multipliers", "4k7k", ParseError::Unparseable);
    refused("two prefixes", "4.7 kk\u2126", ParseError::Unparseable);
    refused("a multiplier word after a letter code", "4K7MEG", ParseError::Unparseable);
    refused("half a Korean word", "4.7킬", ParseError::Unparseable);
    refused("letter code and a prefix", "4K7 k\u2126", ParseError::Unparseable);
    refused("unit only", "k\u2126", ParseError::Unparseable);
    refused("invalid byte",
            "\xff"
            "4700",
            ParseError::Unparseable);
    refused("overlong slash", "47\xc0\xaf", ParseError::Unparseable);
    refused("surrogate", "47\xed\xa0\x80", ParseError::Unparseable);
    refused("cut-off ohm sign", "47 \xe2\x84", ParseError::Unparseable);
    refused("NUL byte", QByteArray("47\0k", 4), ParseError::Unparseable);
    refused("decimal comma", "4,7k", ParseError::DecimalComma);
    refused("decimal comma, two figures", "0,47", ParseError::DecimalComma);
    refused("comma before four figures", "4,7000", ParseError::DecimalComma);
    refused("volts", "4.7 kV", ParseError::NotOhms);
    refused("farads", "10 F", ParseError::NotOhms);
    refused("millivolts", "4.7 mV", ParseError::NotOhms);
    refused("milli", "2.2m", ParseError::LowerCaseM);
    refused("milli word", "10 m ohm x", ParseError::Unparseable);
    refused("milli letter code", "2m2", ParseError::LowerCaseM);
    refused("zero", "0", ParseError::Zero);
    refused("zero kilo", "0.00k", ParseError::Zero);
    refused("negative zero is zero", "-0", ParseError::Zero);
    refused("hyphen-minus", "-4.7k", ParseError::Negative);
    refused("minus sign", "\u22124.7k", ParseError::Negative);
    refused("full-width minus", "－５", ParseError::Negative);
}

void TestValueText::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, ohms);
    QFETCH(ParseError, reason);

    const auto parsed = parseOhms(std::string_view(text.constData(), std::size_t(text.size())));
    if (ohms.isEmpty()) {
        QVERIFY(std::holds_alternative<ParseError>(parsed));
        QCOMPARE(int(std::get<ParseError>(parsed)), int(reason));
    } else {
        QVERIFY(std::holds_alternative<Decimal>(parsed));
        QCOMPARE(QString::fromStdString(ohmsText(std::get<Decimal>(parsed))), ohms);
    }
}

// Every value a reading can have, written as the reader writes it.
void TestValueText::writtenAsTheValueBoxWrites()
{
    for (std::uint64_t figures = 1; figures <= 999; ++figures) {
        std::uint64_t ohms = figures;
        for (int exponent = 0; exponent <= 9; ++exponent, ohms *= 10) {
            const std::string expected = withUnit(std::to_string(ohms));
            if (ohmsText(decimalOf(ohms)) != expected)
                QFAIL(expected.c_str());
        }
    }
}

void TestValueText::orderByValue_data()
{
    QTest::addColumn<Decimal>("a");
    QTest::addColumn<Decimal>("b");
    QTest::addColumn<int>("order");

    QTest::newRow("same value, other exponent") << Decimal {4700, 0} << Decimal {47, 2} << 0;
    QTest::newRow("fewer digits, larger place") << Decimal {99, -1} << Decimal {1, 1} << -1;
    QTest::newRow("same place, digits decide") << Decimal {475, 1} << Decimal {47, 2} << 1;
    QTest::newRow("18 figures against one")
        << Decimal {999999999999999999, -17} << Decimal {1, 1} << -1;
    QTest::newRow("zero below anything") << Decimal {} << Decimal {1, -60} << -1;
}

void TestValueText::orderByValue()
{
    QFETCH(Decimal, a);
    QFETCH(Decimal, b);
    QFETCH(int, order);

    const auto sign = [](std::strong_ordering o) { return o < 0 ? -1 : o > 0 ? 1 : 0; };
    QCOMPARE(sign(a <=> b), order);
    QCOMPARE(sign(b <=> a), -order);
    QCOMPARE(a == b, order == 0);
}

QTEST_APPLESS_MAIN(TestValueText)
#include "tst_valuetext.moc"
