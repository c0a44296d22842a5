#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QTest>

#include "app/commandline.h"
#include "app/look.h"

using app::Start;

Q_DECLARE_METATYPE(Start)

class TestAppSetup : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void bestHangulFamily_data();
    void bestHangulFamily();
};

void TestAppSetup::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("environment"); // NAME=value
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("says"); // a part of what is printed

    const QStringList x11 {"DISPLAY=:0"};
    QTest::newRow("no arguments on X11") << QStringList() << x11 << Start::Run << "";
    QTest::newRow("Wayland") << QStringList() << QStringList {"WAYLAND_DISPLAY=wayland-0"}
                             << Start::Run << "";
    QTest::newRow("a Qt platform instead of a display")
        << QStringList() << QStringList {"QT_QPA_PLATFORM=offscreen"} << Start::Run << "";
    QTest::newRow("-platform instead of a display")
        << QStringList {"-platform", "offscreen"} << QStringList() << Start::Run << "";
    QTest::newRow("--display with two dashes")
        << QStringList {"--display", ":1"} << QStringList() << Start::Run << "";
    QTest::newRow("Qt's options, separate and joined values")
        << QStringList {"-style",   "fusion",           "--stylesheet=a.qss",
                        "-reverse", "-qwindowgeometry", "800x600+0+0"}
        << x11 << Start::Run << "";
    QTest::newRow("a value that looks like an option is a value")
        << QStringList {"-qwindowtitle", "--help"} << x11 << Start::Run << "";

    QTest::newRow("-h") << QStringList {"-h"} << x11 << Start::Help << "Usage: bandalyx";
    QTest::newRow("--help without a display")
        << QStringList {"--help"} << QStringList() << Start::Help << "-platform NAME";
    QTest::newRow("--version without a display")
        << QStringList {"--version"} << QStringList() << Start::Version << "bandalyx 1.0\n";

    // Windows always has its desktop; elsewhere a display must be named.
#ifdef Q_OS_WIN
    const Start noDisplay = Start::Run;
    const char *noDisplaySays = "";
#else
    const Start noDisplay = Start::NoDisplay;
    const char *noDisplaySays = "no display";
#endif
    QTest::newRow("no display at all") << QStringList() << QStringList() << noDisplay << noDisplaySays;
    QTest::newRow("an empty DISPLAY is none")
        << QStringList() << QStringList {"DISPLAY="} << noDisplay << noDisplaySays;
    QTest::newRow("unknown option") << QStringList {"--frobnicate"} << x11 << Start::Refuse
                                    << "unknown option '--frobnicate'\nTry 'bandalyx --help'";
    QTest::newRow("unknown before --help")
        << QStringList {"-x", "--help"} << x11 << Start::Refuse << "unknown option '-x'";
    QTest::newRow("a joined value where none is taken")
        << QStringList {"-reverse=yes"} << x11 << Start::Refuse << "unknown option '-reverse=yes'";
    QTest::newRow("a value missing at the end")
        << QStringList {"-platform"} << QStringList() << Start::Refuse
        << "option '-platform' needs a value";
    QTest::newRow("a file name") << QStringList {"resistor.txt"} << x11 << Start::Refuse
                                 << "unexpected argument 'resistor.txt'";
}

void TestAppSetup::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, environment);
    QFETCH(Start, start);
    QFETCH(QString, says);

    std::vector<std::string> storage {"bandalyx"};
    for (const QString &a : args)
        storage.push_back(a.toStdString());
    std::vector<const char *> argv;
    for (const std::string &a : storage)
        argv.push_back(a.c_str());
    std::map<std::string, std::string> variables;
    for (const QString &v : environment)
        variables[v.section(u'=', 0, 0).toStdString()] = v.section(u'=', 1).toStdString();

    const app::CommandLine line
        = app::readCommandLine(argv, [&variables](const char *name) -> const char * {
              const auto it = variables.find(name);
              return it == variables.end() ? nullptr : it->second.c_str();
          });
    QCOMPARE(line.start, start);
    const QString text = QString::fromStdString(line.text);
    QVERIFY2(text.contains(says), qPrintable(text));
    // Whatever ends the program here says so in whole lines.
    QCOMPARE(text.isEmpty() || text.endsWith(u'\n'), true);
}

void TestAppSetup::bestHangulFamily_data()
{
    // Each family as "name", "name cjk" (draws Japanese or Chinese too) or "name fixed".
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<QString>("chosen");

    const QStringList notoCjk {"Noto Sans CJK HK cjk", "Noto Sans CJK JP cjk",
                               "Noto Sans CJK KR cjk", "Noto Sans CJK SC cjk",
                               "Noto Sans CJK TC cjk"};
    QTest::newRow("the Korean member of a pan-CJK family, not the first listed")
        << notoCjk << "Noto Sans CJK KR";
    QTest::newRow("Source Han Sans K")
        << QStringList {"Source Han Sans HC cjk", "Source Han Sans J cjk", "Source Han Sans K cjk"}
        << "Source Han Sans K";
    QTest::newRow("a face with a Korean name")
        << QStringList {"Noto Sans CJK JP cjk", "본고딕 cjk"} << "본고딕";
    QTest::newRow("a face for Hangul alone before a Chinese one that draws Hangul too")
        << QStringList {"AR PL UMing TW cjk", "WenQuanYi Zen Hei cjk", "백묵 굴림"} << "백묵 굴림";
    QTest::newRow("a region's mark without Japanese or Chinese glyphs")
        << QStringList {"Some Sans JP", "UnDotum"} << "UnDotum";
    QTest::newRow("proportional before fixed pitch")
        << QStringList {"NanumGothicCoding fixed", "UnDotum"} << "UnDotum";
    QTest::newRow("a fixed-pitch Korean face before another script's")
        << QStringList {"Noto Sans CJK HK cjk", "Noto Sans Mono CJK KR cjk fixed"}
        << "Noto Sans Mono CJK KR";
    QTest::newRow("only faces made for other scripts: the first")
        << QStringList {"Noto Sans CJK JP cjk", "Noto Sans CJK SC cjk"} << "Noto Sans CJK JP";
    QTest::newRow("none") << QStringList() << "";
}

void TestAppSetup::bestHangulFamily()
{
    QFETCH(QStringList, families);
    QFETCH(QString, chosen);
    QList<app::HangulFamily> installed;
    for (QString f : families) {
        const bool fixed = f.endsWith(QLatin1String(" fixed"));
        f.remove(QLatin1String(" fixed"));
        const bool cjk = f.endsWith(QLatin1String(" cjk"));
        f.remove(QLatin1String(" cjk"));
        installed.append({f, cjk, fixed});
    }
    QCOMPARE(app::bestHangulFamily(installed), chosen);
}

QTEST_MAIN(TestAppSetup)
#include "tst_appsetup.moc"
