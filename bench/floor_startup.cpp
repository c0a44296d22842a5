// The start-up floor: a main window of the reader window's size holding the same number and kinds
// of widgets, with nothing behind them. Flags take parts away or add the reader's extras, so that
// the cost of each can be measured on its own.
#include <array>
#include <cstdio>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QStringList>

#include "app/fonts.h"
#include "bench/floorwidgets.h"
#include "frmGuide/frmguide.h"

namespace {

constexpr const char *Title = "Bandalyx floor";

struct Options
{
    bool picture = true; // the resistor image, decoded from the resources
    bool hangul = true; // Korean captions; otherwise ASCII ones of the same length
    bool dialogFont = true; // the program's font; otherwise Qt's default
    bool icon = false; // the program's window icon
    bool guide = false; // a hidden guide window, as the program creates at start
};

// Each caption in Korean, and in ASCII of the same length.
struct Caption
{
    const char *hangul;
    const char *ascii;
};

constexpr std::array<Caption, 2> MenuCaptions {{
    {"보기창(&V)", "Vie(&V)"},
    {"도움(&D)", "He(&D)"},
}};

constexpr std::array<Caption, 4> FrameCaptions {{
    {"첫째 묶음 상자", "First bo"},
    {"둘째 묶음칸", "Second"},
    {"셋째 묶음", "Third"},
    {"넷째 묶음", "Frame"},
}};

constexpr std::array<Caption, 9> OptionCaptions {{
    {"가형", "Ka"},
    {"나형", "Na"},
    {"다형", "Da"},
    {"A", "A"},
    {"B", "B"},
    {"C", "C"},
    {"D", "D"},
    {"E", "E"},
    {"F", "F"},
}};

constexpr std::array<Caption, 12> ButtonCaptions {{
    {"사과0", "Ap0"},
    {"배추1", "Ca1"},
    {"포도2", "Gr2"},
    {"수박3", "Wa3"},
    {"참외4", "Me4"},
    {"자두5", "Pl5"},
    {"앵두6", "Ch6"},
    {"살구7", "Ap7"},
    {"귤빛8", "Or8"},
    {"모과9", "Qu9"},
    {"석류10", "Po10"},
    {"호두11", "Wa11"},
}};

constexpr Caption ResetCaption {"지우기", "Clr"};

constexpr std::array<Caption, 9> LabelCaptions {{
    {"첫째칸값 :", "First:"},
    {"둘째칸값 :", "Secnd:"},
    {"셋째칸값 :", "Third:"},
    {"A", "A"},
    {"B", "B"},
    {"C", "C"},
    {"D", "D"},
    {"E", "E"},
    {"F", "F"},
}};

constexpr std::array<const char *, 3> TextContents {"10 Ω", "±5.00 ％, J", "-"};

// Where the reader window has its controls, in pixels, so both windows cover the same area.
constexpr std::array<QRect, 4> FrameRects {{
    {208, 8, 209, 41},
    {208, 56, 209, 41},
    {208, 104, 209, 137},
    {8, 8, 193, 233},
}};
constexpr std::array<QRect, 9> OptionRects {{
    {8, 16, 65, 17},
    {80, 16, 65, 17},
    {152, 16, 41, 17},
    {8, 16, 73, 17},
    {40, 16, 65, 17},
    {72, 16, 65, 17},
    {104, 16, 65, 17},
    {136, 16, 65, 17},
    {168, 16, 25, 17},
}};
constexpr QRect PictureRect {8, 16, 177, 73};
constexpr std::array<QRect, 6> BandRects {{
    {33, 7, 9, 61},
    {62, 15, 9, 45},
    {76, 15, 9, 45},
    {93, 15, 9, 45},
    {109, 15, 9, 45},
    {137, 7, 9, 61},
}};
constexpr std::array<QRect, 3> ValueLabelRects {{
    {8, 120, 65, 17},
    {8, 136, 65, 17},
    {8, 152, 65, 17},
}};
constexpr std::array<int, 6> LetterLefts {40, 70, 83, 100, 117, 144};
constexpr std::array<QRect, 3> TextRects {{
    {72, 120, 113, 18},
    {72, 136, 113, 18},
    {72, 152, 113, 18},
}};
constexpr QRect ResetRect {8, 176, 177, 49};

QString text(const Options &o, const Caption &c)
{
    return QString::fromUtf8(o.hangul ? c.hangul : c.ascii);
}

void buildFloor(QMainWindow &window, const Options &o)
{
    auto *client = new QWidget(&window);
    window.setCentralWidget(client);
    for (const Caption &c : MenuCaptions)
        window.menuBar()->addAction(text(o, c));
    client->setFixedSize(425, 250);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    std::array<QGroupBox *, 4> frames {};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i] = new QGroupBox(text(o, FrameCaptions[i]), client);
        frames[i]->setGeometry(FrameRects[i]);
    }

    for (std::size_t i = 0; i < OptionRects.size(); ++i) {
        auto *option = new QRadioButton(text(o, OptionCaptions[i]), frames[i < 3 ? 0 : 1]);
        option->setGeometry(OptionRects[i]);
        option->setChecked(i == 0 || i == 3);
    }

    // Twelve buttons in a 4 × 3 grid, each with a colour strip under it.
    for (int i = 0; i < 12; ++i) {
        const int left = 8 + 48 * (i % 4), top = 16 + 40 * (i / 4);
        auto *swatch = new bench::Swatch(QColor::fromHsv(30 * i, 200, 200), frames[2]);
        swatch->setGeometry(left, top + 24, 49, 9);
        auto *button = new QPushButton(text(o, ButtonCaptions[std::size_t(i)]), frames[2]);
        button->setGeometry(left, top, 49, 25);
    }

    QWidget *picture = o.picture
        ? new bench::Picture(QPixmap(QStringLiteral(":/resistor.png")), frames[3])
        : new QWidget(frames[3]);
    picture->setGeometry(PictureRect);
    for (std::size_t i = 0; i < BandRects.size(); ++i) {
        auto *band = new bench::Swatch(QColor::fromHsv(int(50 * i), 255, 160), picture);
        band->setGeometry(BandRects[i]);
    }

    for (std::size_t i = 0; i < LabelCaptions.size(); ++i) {
        auto *label = new QLabel(text(o, LabelCaptions[i]), frames[3]);
        label->setGeometry(i < 3 ? ValueLabelRects[i] : QRect(LetterLefts[i - 3], 96, 17, 17));
    }
    for (std::size_t i = 0; i < TextRects.size(); ++i) {
        auto *box = new QLineEdit(QString::fromUtf8(TextContents[i]), frames[3]);
        box->setGeometry(TextRects[i]);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto *reset = new QPushButton(text(o, ResetCaption), frames[3]);
    reset->setGeometry(ResetRect);

    window.setWindowTitle(QString::fromUtf8(Title));
    if (o.icon)
        window.setWindowIcon(QIcon(QStringLiteral(":/bandalyx-16.png")));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bandalyx floor"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));

    // Qt takes its own options out first; ours must not be one of them (-icon is Qt's).
    Options o;
    const QStringList args = QApplication::arguments().mid(1);
    for (const QString &arg : args) {
        if (arg == u"--no-picture")
            o.picture = false;
        else if (arg == u"--ascii")
            o.hangul = false;
        else if (arg == u"--qt-font")
            o.dialogFont = false;
        else if (arg == u"--window-icon")
            o.icon = true;
        else if (arg == u"--hidden-guide")
            o.guide = true;
        else {
            std::fputs("usage: bench_floor_startup [--no-picture] [--ascii] [--qt-font] "
                       "[--window-icon] [--hidden-guide]\n",
                       stderr);
            return 2;
        }
    }
    if (o.dialogFont)
        app::useDialogFont();

    QMainWindow window;
    buildFloor(window, o);
    std::unique_ptr<frmGuide> guide;
    if (o.guide) {
        guide = std::make_unique<frmGuide>();
        guide->setWindowTitle(window.windowTitle() + QStringLiteral(" 도움말"));
    }
    window.show();
    return QApplication::exec();
}
