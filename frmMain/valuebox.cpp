#include "frmMain/frmmain.h"

#include <array>
#include <utility>

#include <QFocusEvent>
#include <QKeyEvent>

#include "engine/encode.h"
#include "engine/marking.h"
#include "engine/nearest.h"
#include "frmMain/layout.h"
#include "frmMain/words.h"
#include "platform/balloon.h"
#include "platform/convert.h"

// The result boxes also take typed text: Enter sets the bands it names (a value or a whole
// marking in the value box, a tolerance or a temperature coefficient in the others), text the
// kind cannot show is refused with a note under the box, and Escape or leaving the box puts the
// reading back. A box never keeps showing what the bands do not say. Up and Down in the value box
// step through standard values, Page Up and Page Down a decade.
namespace ui {

using namespace bandalyx;
using platform::toQString;

namespace {

// The bands typed text sets, or a note saying why none.
struct Typed
{
    BandCodes codes {};
    QString note;
};

Typed readTyped(ResultBox box, const std::string &text, Kind kind)
{
    if (box == ResultBox::Value) {
        const TypedValue typed = readTypedValue(text, kind);
        return {typed.codes, typed.refusal ? noteOf(*typed.refusal) : QString()};
    }
    const ValueBands bands = valueBandsOf(kind);
    const bool tolerance = box == ResultBox::Tolerance;
    const TypedMark mark = tolerance ? readTypedTolerance(text, kind) : readTypedTempco(text, kind);
    Typed typed {{}, mark.refusal ? noteOf(*mark.refusal) : QString()};
    if (mark.code)
        typed.codes[std::size_t(index(tolerance ? bands.tolerance : *bands.tempco))] = mark.code;
    return typed;
}

// The keys that step the value box's reading.
constexpr std::array<std::pair<int, Step>, 4> StepKeys {{
    {Qt::Key_Up, Step::Up},
    {Qt::Key_Down, Step::Down},
    {Qt::Key_PageUp, Step::DecadeUp},
    {Qt::Key_PageDown, Step::DecadeDown},
}};

std::optional<Step> stepOfKey(int key)
{
    for (const auto &[k, step] : StepKeys)
        if (k == key)
            return step;
    return std::nullopt;
}

} // namespace

QLineEdit *frmMain::resultBox(ResultBox box) const
{
    return this->*MainLayout::TextBoxes[std::size_t(box)].member;
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A tooltip, or a focus that may show one, asks for the explanations.
    if ((event->type() == QEvent::ToolTip || event->type() == QEvent::FocusIn) && !m_explained)
        showExplanation();
    for (const ResultBox box : {ResultBox::Value, ResultBox::Tolerance, ResultBox::Tempco}) {
        if (watched != resultBox(box))
            continue;
        if (event->type() == QEvent::KeyPress) {
            const auto *press = static_cast<QKeyEvent *>(event);
            const int key = press->key();
            const bool steps = box == ResultBox::Value && stepOfKey(key)
                && !(press->modifiers() & ~Qt::KeypadModifier);
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || steps) {
                resultBoxKeyPress(box, key);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut
                   && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            // Not for the box's own context menu, whose Paste edits the box.
            resultBoxLostFocus(box);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Enter sets the bands the typed text names, Escape puts the reading back; in the value box the
// arrow and page keys step through standard values.
void frmMain::resultBoxKeyPress(ResultBox box, int key)
{
    if (key == Qt::Key_Escape)
        showReading(box);
    else if (const std::optional<Step> step = stepOfKey(key); step && box == ResultBox::Value)
        stepReading(*step);
    else
        applyTyped(box);
}

void frmMain::resultBoxLostFocus(ResultBox box)
{
    showReading(box);
}

void frmMain::applyTyped(ResultBox box)
{
    const std::optional<Kind> kind = selectedKind();
    QLineEdit *edit = resultBox(box);
    if (!kind || edit->text() == toQString(m_reader.shownText(box)))
        return;
    const Typed typed = readTyped(box, edit->text().toStdString(), *kind);
    if (!typed.note.isEmpty()) {
        // The typed text stays for the user to mend; nothing else changes.
        showBoxMessage(box, typed.note);
        return;
    }
    hideBoxMessage(box);
    setValueBands(*kind, typed.codes);
}

// The next standard value of the tolerance's series, as the explanations choose it; at the end of
// the kind's range nothing changes and the note says why, as for a typed value.
void frmMain::stepReading(Step step)
{
    const std::optional<Kind> kind = selectedKind();
    const std::optional<std::uint64_t> ohms = m_reader.valueOhms();
    const std::optional<Tolerance> tolerance = m_reader.tolerance();
    const ESeries *series = tolerance ? seriesOfTolerance(tolerance->hundredths) : nullptr;
    if (!kind || !ohms || !series)
        return;
    const std::variant<Stepped, StepRefused> next
        = stepValue(*kind, decimalOf(*ohms), *series, step);
    if (const StepRefused *refused = std::get_if<StepRefused>(&next)) {
        ValueRefusal why = refusalOf(refused->ohms, *kind, refused->error);
        // The value a step would reach is none the user saw: no other kind is named for it.
        why.showing.clear();
        showBoxMessage(ResultBox::Value, noteOf(why));
        return;
    }
    hideBoxMessage(ResultBox::Value);
    setValueBands(*kind, std::get<Stepped>(next).codes);
}

// Band by band, as colour clicks would set them, then one recomputation; the selected band stays
// as it is. A tolerance of code 9 means the resistor has no tolerance band.
void frmMain::setValueBands(Kind kind, const BandCodes &codes)
{
    for (const BandRow &row : MainLayout::Bands) {
        if (const std::optional<int> code = codes[std::size_t(index(row.band))]) {
            m_reader.setBand(row.band, *code);
            paintBand(row.band, *code, isNoColour(kind, row.band, *code));
        }
    }
    ResultValueShow();
}

void frmMain::showBoxMessage(ResultBox box, const QString &note)
{
    resultBox(box)->setAccessibleDescription(note);
    m_boxMessages[std::size_t(box)]->showMessage(note);
}

void frmMain::showReading(ResultBox box)
{
    hideBoxMessage(box);
    const QString read = toQString(m_reader.shownText(box));
    if (resultBox(box)->text() != read)
        resultBox(box)->setText(read);
}

void frmMain::hideBoxMessage(ResultBox box)
{
    m_boxMessages[std::size_t(box)]->hide();
    resultBox(box)->setAccessibleDescription(QString());
}

} // namespace ui
