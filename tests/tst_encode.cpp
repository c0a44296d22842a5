#include <QString>
#include <QTest>

#include <string>

#include "engine/encode.h"
#include "engine/explain.h"
#include "engine/reader.h"
#include "tests/readerfixture.h"

using namespace bandalyx;

class TestEncode : public QObject
{
    Q_OBJECT

private slots:
    void everyValueComesBack_data();
    void everyValueComesBack();
    void messages_data();
    void messages();
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
                    QFAIL(qPrintable(QString::fromStdString(text + ": " + typed.message)));
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

void TestEncode::messages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("message");

    const QString examples = " 예: 4.7k, 4K7, 4 700, 2.2 ㏁";
    const QString positive = " 0보다 큰 값을 입력하세요.";
    QTest::newRow("empty") << "" << 4 << "값을 입력하세요." + examples;
    QTest::newRow("too long") << QString(65, '1') << 4 << "입력이 너무 깁니다." + examples;
    QTest::newRow("unparseable") << "4.7.1" << 4 << "값으로 읽을 수 없습니다." + examples;
    QTest::newRow("decimal comma")
        << "4,7k" << 4 << "쉼표는 천 단위를 나눌 때만 씁니다. 소수점은 마침표로 쓰세요(예: 4.7k).";
    QTest::newRow("not ohms") << "4.7 kV" << 4
                              << "저항값은 옴(\u2126) 단위로 입력하세요. 예: 4.7k, 4.7 ㏀, 470 ohm";
    QTest::newRow("lower-case m")
        << "2.2m" << 4 << "소문자 m은 밀리(1/1000)입니다. 메가옴은 대문자 M으로 쓰세요(예: 2.2M).";
    QTest::newRow("zero") << "0" << 4 << "0 \u2126은 나타낼 수 없습니다." + positive;
    QTest::newRow("negative") << "−4.7k" << 4 << "저항값은 음수일 수 없습니다." + positive;
    QTest::newRow("below, 4 bands")
        << "9.9" << 4 << "너무 작은 값입니다. 4색 저항은 10 \u2126부터 나타냅니다.";
    QTest::newRow("below, 5 bands")
        << "99" << 5 << "너무 작은 값입니다. 5색 저항은 100 \u2126부터 나타냅니다.";
    QTest::newRow("below before figures")
        << "4.75" << 4 << "너무 작은 값입니다. 4색 저항은 10 \u2126부터 나타냅니다.";
    QTest::newRow("above, 4 bands")
        << "100G" << 4 << "너무 큰 값입니다. 4색 저항은 99 G\u2126까지 나타냅니다.";
    QTest::newRow("above before figures, 6 bands")
        << "999.5G" << 6 << "너무 큰 값입니다. 6색 저항은 999 G\u2126까지 나타냅니다.";
    QTest::newRow("three figures on 4 bands")
        << "4.75 ㏀" << 4
        << "유효 숫자가 3자리입니다. 4색 저항은 2자리까지 나타냅니다. 5색, 6색 저항으로는 "
           "나타낼 수 있습니다. 4색에서 가까운 값: 4.7 ㏀, 4.8 ㏀";
    QTest::newRow("three figures, nearest across a decade")
        << "995" << 4
        << "유효 숫자가 3자리입니다. 4색 저항은 2자리까지 나타냅니다. 5색, 6색 저항으로는 "
           "나타낼 수 있습니다. 4색에서 가까운 값: 990 \u2126, 1 ㏀";
    QTest::newRow("three figures, too small for the kinds that read three")
        << "10.5" << 4
        << "유효 숫자가 3자리입니다. 4색 저항은 2자리까지 나타냅니다. 어느 종류로도 나타낼 수 "
           "없습니다. 4색에서 가까운 값: 10 \u2126, 11 \u2126";
    QTest::newRow("four figures on 5 bands")
        << "4 753" << 5
        << "유효 숫자가 4자리입니다. 5색 저항은 3자리까지 나타냅니다. 어느 종류로도 나타낼 수 "
           "없습니다. 5색에서 가까운 값: 4.75 ㏀, 4.76 ㏀";
}

// A refused value sets no band.
void TestEncode::messages()
{
    QFETCH(QString, text);
    QFETCH(int, bands);
    QFETCH(QString, message);

    const TypedValue typed = readTypedValue(text.toStdString(), kindOf(bands));
    QCOMPARE(QString::fromStdString(typed.message), message);
    QVERIFY(typed.codes == BandCodes {});
}

QTEST_APPLESS_MAIN(TestEncode)
#include "tst_encode.moc"
