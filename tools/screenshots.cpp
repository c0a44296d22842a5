// screenshots DIR: saves the windows as a user sees them, for people to look at, as PNGs in DIR:
// the reader for 4, 5 and 6 bands with a band left without colour, its tooltips (lookalike
// colours too), a typed value applied and one refused, a whole marking applied, a typed tolerance
// refused and the box put back, a step up through standard values and one refused, the About box,
// the guide and its chart drawn for a double-density screen. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

#include "app/look.h"
#include "frmAbout/frmabout.h"
#include "frmGuide/colourchart.h"
#include "frmGuide/frmguide.h"
#include "frmMain/frmmain.h"
#include "platform/picturebox.h"

namespace {

// Presses each option or button by the caption a user reads on it.
bool press(QWidget *window, const QStringList &captions)
{
    for (const QString &caption : captions) {
        QAbstractButton *pressed = nullptr;
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
            if (b->text() == caption && b->isEnabled())
                pressed = b;
        }
        if (!pressed) {
            std::fprintf(stderr, "screenshots: no enabled button \"%s\"\n", qPrintable(caption));
            return false;
        }
        pressed->click();
    }
    return true;
}

bool save(const QPixmap &shot, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!shot.save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The tooltip a control shows on hovering, as its own small window.
QPixmap tooltipOf(QWidget *box)
{
    const QPoint at(10, 10);
    QHelpEvent hover(QEvent::ToolTip, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &hover);
    QPixmap shot;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible())
            shot = w->grab();
    }
    QToolTip::hideText();
    return shot;
}

bool photographReader(ui::frmMain &reader, const QDir &dir)
{
    struct Shot
    {
        const char *file;
        QStringList presses;
    };
    const Shot shots[] = {
        {"frmMain-4.png", {"D", "무색9"}},
        {"frmMain-5.png", {"5색", "E", "무색9"}},
        {"frmMain-6.png", {"6색", "F", "보라7", "E", "무색9"}},
        {nullptr, {"A", "황색4", "B", "보라7", "D", "적색2"}}, // a reading for the tooltips
    };
    for (const Shot &shot : shots) {
        if (!press(&reader, shot.presses))
            return false;
        if (shot.file && !save(reader.grab(), dir, shot.file))
            return false;
    }
    if (!save(tooltipOf(reader.Text1), dir, "tooltip-value.png")
        || !save(tooltipOf(reader.Text2), dir, "tooltip-tolerance.png")
        || !save(tooltipOf(reader.Picture2), dir, "tooltip-picture.png"))
        return false;
    // 4.5 ㏀ is no E24 value, and brown black black brown brown reads both ways. Red brown red
    // and green green red read 2.1 and 5.5 ㏀, no E24 values: a band taken for a lookalike
    // colour gives standard ones.
    return press(&reader, {"4색", "A", "황색4", "B", "녹색5"})
        && save(tooltipOf(reader.Text1), dir, "tooltip-value-nearest.png")
        && press(&reader, {"5색", "D", "갈색1", "E", "갈색1"})
        && save(tooltipOf(reader.Picture2), dir, "tooltip-picture-both-ways.png")
        && press(&reader, {"4색", "A", "적색2", "B", "갈색1", "C", "적색2"})
        && save(tooltipOf(reader.Picture2), dir, "tooltip-picture-lookalike-2k1.png")
        && press(&reader, {"A", "녹색5", "B", "녹색5"})
        && save(tooltipOf(reader.Picture2), dir, "tooltip-picture-lookalike-5k5.png");
}

// Text typed into a result box and ended with a key, as a user would; no text: the key alone.
void typeInto(QLineEdit *box, const QString &text, Qt::Key key = Qt::Key_Return)
{
    box->setFocus();
    if (!text.isNull())
        box->setText(text);
    QKeyEvent end(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(box, &end);
}

bool photographTyping(ui::frmMain &reader, const QDir &dir)
{
    if (!press(&reader, {"4색", "D", "은색11", "B"}))
        return false;
    struct Typing
    {
        QLineEdit *ui::frmMain::*box;
        const char *text;
        Qt::Key key;
        const char *file;
    };
    // Each step types into the window as the one before left it.
    const Typing steps[] = {
        {&ui::frmMain::Text1, "4K7", Qt::Key_Return, "frmMain-typed.png"},
        {&ui::frmMain::Text1, "4.75 \u33C0", Qt::Key_Return, "frmMain-refused.png"},
        {&ui::frmMain::Text1, "1K0F", Qt::Key_Return, "frmMain-marking.png"},
        {&ui::frmMain::Text2, "XYZ 1%", Qt::Key_Return, "frmMain-tolerance-refused.png"},
        {&ui::frmMain::Text2, "XYZ 1%", Qt::Key_Escape, "frmMain-tolerance-restored.png"},
    };
    for (const Typing &step : steps) {
        typeInto(reader.*step.box, QString::fromUtf8(step.text), step.key);
        if (!save(reader.grab(), dir, step.file))
            return false;
    }
    // 4.7 ㏀ ±5 % steps up to the next E24 value; six bands start at their smallest value.
    if (!press(&reader, {"4색", "D", "금색10", "A", "황색4", "B", "보라7", "C", "적색2"})
        || !save(reader.grab(), dir, "frmMain-step-before.png"))
        return false;
    typeInto(reader.Text1, QString(), Qt::Key_Up);
    if (!save(reader.grab(), dir, "frmMain-step-up.png") || !press(&reader, {"6색"}))
        return false;
    typeInto(reader.Text1, QString(), Qt::Key_Down);
    return save(reader.grab(), dir, "frmMain-step-refused.png");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::useProgramLook();
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    ui::frmMain reader;
    reader.show();
    if (!photographReader(reader, dir) || !photographTyping(reader, dir))
        return 1;
    reader.mnuAbout->trigger();
    reader.mnuDecode->trigger();
    const bool saved = save(reader.aboutWindow()->grab(), dir, "frmAbout.png")
        && save(reader.guideWindow()->grab(), dir, "frmGuide.png")
        && save(QPixmap::fromImage(ui::renderColourChart(2.0)), dir, "frmGuide-chart@2x.png");
    return saved ? 0 : 1;
}
