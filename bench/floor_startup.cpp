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

#include "app/look.h"
#include "bench/floorwidgets.h"
#include "frmGuide/frmguide.h"
#include "frmMain/layout.h"

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

// The reader window's controls stand where its layout puts them, so that both windows cover
// the same area; the pixel rectangles are worked out at compile time, so the floor links none
// of the reader.
template<typename Table, typename Rect> constexpr auto pixelRects(const Table &table, Rect rectOf)
{
    std::array<QRect, std::tuple_size_v<Table>> rects {};
    for (std::size_t i = 0; i < rects.size(); ++i)
        rects[i] = platform::toPixels(rectOf(table[i]));
    return rects;
}
constexpr auto rectOfRow = [](const auto &row) { return row.rect; };
using ui::MainLayout;

constexpr auto FrameRects = pixelRects(MainLayout::Frames, rectOfRow);
constexpr auto KindOptionRects = pixelRects(MainLayout::KindOptions, rectOfRow);
constexpr auto BandOptionRects = pixelRects(MainLayout::BandOptions, rectOfRow);
constexpr auto ButtonRects = pixelRects(MainLayout::ColourButtons, rectOfRow);
constexpr auto SwatchRects = pixelRects(MainLayout::Swatches, rectOfRow);
constexpr auto BandRects = pixelRects(MainLayout::Bands, rectOfRow);
constexpr auto LabelRects = pixelRects(MainLayout::Labels, rectOfRow);
constexpr auto TextRects = pixelRects(MainLayout::TextBoxes, rectOfRow);
constexpr QRect PictureRect = platform::toPixels(MainLayout::Picture2Rect);
constexpr QRect ResetRect = platform::toPixels(MainLayout::ResetButton.rect);
constexpr QSize ClientSize(platform::toPixels(MainLayout::ClientSize.width()),
                           platform::toPixels(MainLayout::ClientSize.height()));

static_assert(OptionCaptions.size() == KindOptionRects.size() + BandOptionRects.size()
              && ButtonCaptions.size() == ButtonRects.size()
              && LabelCaptions.size() == LabelRects.size()
              && FrameCaptions.size() == FrameRects.size());

QString text(const Options &o, const Caption &c)
{
    return QString::fromUtf8(o.hangul ? c.hangul : c.ascii);
}

// The three frames on the right: kinds, bands, colour buttons over their swatches.
void buildChoices(const std::array<QGroupBox *, 4> &frames, const Options &o)
{
    for (std::size_t i = 0; i < OptionCaptions.size(); ++i) {
        const bool kind = i < KindOptionRects.size();
        auto *option = new QRadioButton(text(o, OptionCaptions[i]), frames[kind ? 0 : 1]);
        option->setGeometry(kind ? KindOptionRects[i]
                                 : BandOptionRects[i - KindOptionRects.size()]);
        option->setChecked(i == 0 || i == KindOptionRects.size());
    }
    for (std::size_t i = 0; i < ButtonRects.size(); ++i) {
        auto *swatch = new bench::Swatch(QColor::fromHsv(30 * int(i), 200, 200), frames[2]);
        swatch->setGeometry(SwatchRects[i]);
        auto *button = new QPushButton(text(o, ButtonCaptions[i]), frames[2]);
        button->setGeometry(ButtonRects[i]);
    }
}

// The result frame on the left: the picture with its bands, the labels, boxes and reset.
void buildResults(QGroupBox *frame, const Options &o)
{
    QWidget *picture = o.picture
        ? new bench::Picture(QPixmap(QStringLiteral(":/resistor.png")), frame)
        : new QWidget(frame);
    picture->setGeometry(PictureRect);
    for (std::size_t i = 0; i < BandRects.size(); ++i) {
        auto *band = new bench::Swatch(QColor::fromHsv(int(50 * i), 255, 160), picture);
        band->setGeometry(BandRects[i]);
    }
    for (std::size_t i = 0; i < LabelCaptions.size(); ++i)
        (new QLabel(text(o, LabelCaptions[i]), frame))->setGeometry(LabelRects[i]);
    for (std::size_t i = 0; i < TextRects.size(); ++i) {
        auto *box = new QLineEdit(QString::fromUtf8(TextContents[i]), frame);
        box->setGeometry(TextRects[i]);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    (new QPushButton(text(o, ResetCaption), frame))->setGeometry(ResetRect);
}

void buildFloor(QMainWindow &window, const Options &o)
{
    auto *client = new QWidget(&window);
    window.setCentralWidget(client);
    for (const Caption &c : MenuCaptions)
        window.menuBar()->addAction(text(o, c));
    client->setFixedSize(ClientSize);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    std::array<QGroupBox *, 4> frames {};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i] = new QGroupBox(text(o, FrameCaptions[i]), client);
        frames[i]->setGeometry(FrameRects[i]);
    }
    buildChoices(frames, o);
    buildResults(frames[3], o);

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
    std::unique_ptr<ui::frmGuide> guide;
    if (o.guide) {
        guide = std::make_unique<ui::frmGuide>();
        guide->setWindowTitle(window.windowTitle() + QStringLiteral(" 도움말"));
    }
    window.show();
    return QApplication::exec();
}
