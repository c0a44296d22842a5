#include "frmMain/frmmain.h"

#include <utility>

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "engine/explain.h"
#include "frmAbout/credits.h"
#include "frmAbout/frmabout.h"
#include "frmGuide/frmguide.h"
#include "frmMain/layout.h"
#include "frmMain/words.h"
#include "platform/convert.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "platform/window.h"

namespace ui {

using namespace bandalyx;
using platform::Shape;
using platform::toQString;

const QString frmMain::Caption = QStringLiteral("Bandalyx v") + Version.toString();

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    createControls();
    QAccessible::installActivationObserver(this);
    Form_Load();
    // Only now do the controls hold their captions, and the menu bar its real height, which
    // the client area is placed below.
    platform::fitFrameToText(this, centralWidget());
    platform::placeClientAt(this, MainLayout::ClientPosition, centralWidget());
}

frmMain::~frmMain()
{
    QAccessible::removeActivationObserver(this);
    // The other windows have no owner, so they are ours to free.
    delete m_about.data();
    delete m_guide.data();
}

frmGuide *frmMain::guideWindow() const
{
    return m_guide;
}

frmAbout *frmMain::aboutWindow() const
{
    return m_about;
}

void frmMain::Form_Load()
{
    setWindowTitle(Caption);
    mnuDecode->setText(QString::fromUtf8(MainLayout::DecodeMenuCaption));
    mnuAbout->setText(QString::fromUtf8(MainLayout::AboutMenuCaption));
    for (const auto &row : MainLayout::Frames)
        (this->*row.member)->setTitle(QString::fromUtf8(row.caption));
    for (const auto &row : MainLayout::KindOptions)
        (this->*row.member)->setText(toQString(nameOf(row.kind)));
    for (const auto &row : MainLayout::BandOptions)
        (this->*row.member)->setText(toQString(letterOf(row.band)));
    for (const auto &row : MainLayout::ColourButtons)
        (this->*row.member)->setText(toQString(Colours[row.code].caption));
    (this->*MainLayout::ResetButton.member)
        ->setText(QString::fromUtf8(MainLayout::ResetButton.caption));
    for (const auto &row : MainLayout::Labels) {
        if (row.caption)
            (this->*row.member)->setText(QString::fromUtf8(row.caption));
    }
    for (const auto &row : MainLayout::Bands)
        (this->*row.letter)->setText(toQString(letterOf(row.band)));
    // What a screen reader says: a result box is named by its label, without the colon.
    for (const auto &row : MainLayout::TextBoxes)
        (this->*row.member)
            ->setAccessibleName(
                (this->*row.label)->text().remove(MainLayout::LabelColon).trimmed());
    for (const auto &row : MainLayout::Swatches)
        (this->*row.member)->setAccessibleName(toQString(Colours[row.code].koreanName));
    Picture2->setAccessibleName(QString::fromUtf8(MainLayout::Picture2Name));

    for (const auto &row : MainLayout::TextBoxes)
        (this->*row.member)->setText(QString());
    for (const auto &row : MainLayout::TextBoxes)
        (this->*row.member)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    for (const auto &row : MainLayout::Bands)
        (this->*row.shape)->setBackStyle(Shape::BackStyle::Opaque);
    for (const auto &row : MainLayout::Bands)
        (this->*row.shape)->setBorderStyle(Shape::BorderStyle::None);
    for (const auto &row : MainLayout::Swatches)
        (this->*row.member)->setBackStyle(Shape::BackStyle::Opaque);
    for (const auto &row : MainLayout::Swatches)
        (this->*row.member)->setBorderStyle(Shape::BorderStyle::None);
    for (const auto &row : MainLayout::Swatches)
        (this->*row.member)->setBackColor(colourNumberOf(row.code));

    // Selecting the first kind runs its handler, which also selects band A.
    const KindOptionRow &first = MainLayout::KindOptions.front();
    (this->*first.member)->setChecked(true);
    resetToDefault(first.kind);

    createGuideWindow();
}

void frmMain::createGuideWindow()
{
    m_guide = new frmGuide();
    m_guide->setWindowTitle(windowTitle() + QString::fromUtf8(MainLayout::GuideCaptionSuffix));
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    // Closing the reader ends the program, and every other window goes with it.
    if (m_about)
        m_about->close();
    if (m_guide)
        m_guide->close();
    QCoreApplication::quit();
}

std::optional<Kind> frmMain::selectedKind() const
{
    for (const auto &row : MainLayout::KindOptions) {
        if ((this->*row.member)->isChecked())
            return row.kind;
    }
    return std::nullopt;
}

std::optional<Band> frmMain::selectedBand() const
{
    for (const auto &row : MainLayout::BandOptions) {
        if ((this->*row.member)->isChecked())
            return row.band;
    }
    return std::nullopt;
}

void frmMain::setResultText(ResultBox box, std::string_view text)
{
    // Setting the same text again costs a box its cursor and undo history, and the click time.
    QLineEdit *edit = resultBox(box);
    if (const QString shown = toQString(text); edit->text() != shown)
        edit->setText(shown);
}

void frmMain::SelectColorValue(const QString &code)
{
    m_reader.SelectColorValue(code.toStdString());
    explainReading();
}

void frmMain::BaseValueShow(BandValue a, BandValue b, BandValue c, BandValue d, BandValue e,
                            const QString &f)
{
    m_reader.BaseValueShow(std::move(a), std::move(b), std::move(c), std::move(d), std::move(e),
                           f.toStdString());
    explainReading();
}

void frmMain::ResultValueShow()
{
    m_reader.ResultValueShow();
    explainReading();
}

// The explanations are made when a tooltip asks for them, not on every click; a screen reader,
// which may read the picture's description at any time, gets it at once.
void frmMain::explainReading()
{
    m_explained = false;
    if (QAccessible::isActive())
        showExplanation();
}

// A screen reader that starts now reads the picture's description at once.
void frmMain::accessibilityActiveChanged(bool active)
{
    if (active)
        showExplanation();
}

void frmMain::showExplanation()
{
    m_explained = true;
    const Explanation e = explain(m_reader, selectedKind());
    Text1->setToolTip(valueTooltip(e));
    Text2->setToolTip(rangeTooltip(e));
    Picture2->setToolTip(pictureTooltip(e));
    Picture2->setAccessibleDescription(Picture2->toolTip());
}

void frmMain::CmdSelectShow(const CodeSet &enabled)
{
    for (const auto &row : MainLayout::ColourButtons)
        (this->*row.member)->setEnabled(enabled[row.code]);
}

void frmMain::kindChosen(const KindOptionRow &row)
{
    if (!(this->*row.member)->isChecked())
        return;
    resetToDefault(row.kind);
    for (const auto &band : MainLayout::BandOptions)
        (this->*band.member)->setEnabled(roleOf(row.kind, band.band) != Role::None);
    (this->*MainLayout::BandOptions.front().member)->setChecked(true);
    showPlainBands();
}

void frmMain::resetToDefault(Kind kind)
{
    const DefaultResistor r = defaultResistor(kind);
    const auto &[a, b, c, d, e, f] = r.values;
    BaseValueShow(a, b, c, d, e, toQString(f.text()));
    const auto &[ca, cb, cc, cd, ce, cf] = r.colours;
    BaseColorShow(ca, cb, cc, cd, ce, QString::number(cf));
}

void frmMain::KindDefaultShow()
{
    if (const std::optional<Kind> kind = selectedKind())
        resetToDefault(*kind);
    showPlainBands();
    ResultValueShow();
}

namespace {

// A band that every kind has and that is the tolerance band of some kind settles what code 9
// means in each kind's branch of its handler, so it needs no white code 9 first; with no kind
// chosen, its handler changes nothing at all.
bool settlesNineInEveryKind(Band band)
{
    bool everyKind = true;
    for (Kind k : AllKinds)
        everyKind = everyKind && roleOf(k, band) != Role::None;
    return everyKind && noColourBandOf(band) != 0;
}

} // namespace

void frmMain::bandChosen(const BandOptionRow &row)
{
    const std::optional<Kind> kind = selectedKind();
    const bool settles = settlesNineInEveryKind(row.band);
    if (!settles)
        showNineAsWhite();
    if (!kind || !(this->*row.member)->isChecked())
        return;
    const Role role = roleOf(*kind, row.band);
    if (role == Role::None)
        return;
    CmdSelectShow(offeredCodes(role));
    if (const int noColourBand = noColourBandWhileSetting(*kind, row.band))
        showNineAsNoColour(noColourBand);
    else if (settles)
        showNineAsWhite();
}

void frmMain::colourClicked(int code)
{
    SelectColorValue(QString::number(code));
    SelectColorShow(code);
}

void frmMain::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void frmMain::mnuDecode_Click()
{
    if (!m_guide)
        createGuideWindow();
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

// The named handlers: each looks up what its own control stands for.
void frmMain::Option1_Click()
{
    kindChosen(MainLayout::rowOf(MainLayout::KindOptions, &frmMain::Option1));
}
void frmMain::Option2_Click()
{
    kindChosen(MainLayout::rowOf(MainLayout::KindOptions, &frmMain::Option2));
}
void frmMain::Option3_Click()
{
    kindChosen(MainLayout::rowOf(MainLayout::KindOptions, &frmMain::Option3));
}
void frmMain::Option4_Click()
{
    bandChosen(MainLayout::rowOf(MainLayout::BandOptions, &frmMain::Option4));
}
void frmMain::Option5_Click()
{
    bandChosen(MainLayout::rowOf(MainLayout::BandOptions, &frmMain::Option5));
}
void frmMain::Option6_Click()
{
    bandChosen(MainLayout::rowOf(MainLayout::BandOptions, &frmMain::Option6));
}
void frmMain::Option7_Click()
{
    bandChosen(MainLayout::rowOf(MainLayout::BandOptions, &frmMain::Option7));
}
void frmMain::Option8_Click()
{
    bandChosen(MainLayout::rowOf(MainLayout::BandOptions, &frmMain::Option8));
}
void frmMain::Option9_Click()
{
    bandChosen(MainLayout::rowOf(MainLayout::BandOptions, &frmMain::Option9));
}
void frmMain::Command1_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command1).code);
}
void frmMain::Command2_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command2).code);
}
void frmMain::Command3_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command3).code);
}
void frmMain::Command4_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command4).code);
}
void frmMain::Command5_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command5).code);
}
void frmMain::Command6_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command6).code);
}
void frmMain::Command7_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command7).code);
}
void frmMain::Command8_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command8).code);
}
void frmMain::Command9_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command9).code);
}
void frmMain::Command10_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command10).code);
}
void frmMain::Command11_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command11).code);
}
void frmMain::Command12_Click()
{
    colourClicked(MainLayout::rowOf(MainLayout::ColourButtons, &frmMain::Command12).code);
}
void frmMain::Command13_Click()
{
    KindDefaultShow();
}

} // namespace ui
