#include "frmMain/frmmain.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "engine/encode.h"
#include "frmMain/layout.h"
#include "platform/balloon.h"
#include "platform/convert.h"

// The value box also takes a typed value: Enter sets the colours of the value bands, a value the
// kind cannot show is refused with a note under the box, and Escape or leaving the box puts the
// reading back.
namespace ui {

using namespace bandalyx;
using platform::toQString;

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Text1)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            Text1_KeyPress(key);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut
               && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        // Not for the box's own context menu, whose Paste edits the box.
        Text1_LostFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

// A typed value: Enter sets the value bands' colours, Escape puts the reading back.
void frmMain::Text1_KeyPress(int key)
{
    if (key == Qt::Key_Escape)
        showReadValue();
    else
        applyTypedValue();
}

// The box never keeps showing a value the bands do not hold.
void frmMain::Text1_LostFocus()
{
    showReadValue();
}

void frmMain::applyTypedValue()
{
    const std::optional<Kind> kind = selectedKind();
    if (!kind)
        return;
    const TypedValue typed = readTypedValue(Text1->text().toStdString(), *kind);
    if (!typed.applies()) {
        // The typed text stays for the user to mend; nothing else changes.
        Text1->setAccessibleDescription(toQString(typed.message));
        m_valueMessage->showMessage(toQString(typed.message));
        return;
    }
    hideValueMessage();
    // Band by band, as colour clicks would set them; the tolerance and tempco bands and the
    // selected band stay as they are.
    for (const BandRow &row : MainLayout::Bands) {
        if (const std::optional<int> code = typed.codes[std::size_t(index(row.band))]) {
            m_reader.setBand(row.band, std::to_string(*code));
            paintBand(row.band, *code);
        }
    }
    ResultValueShow();
}

void frmMain::showReadValue()
{
    hideValueMessage();
    const QString read = toQString(m_reader.state().ValueText);
    if (Text1->text() != read)
        Text1->setText(read);
}

void frmMain::hideValueMessage()
{
    m_valueMessage->hide();
    Text1->setAccessibleDescription(QString());
}

} // namespace ui
