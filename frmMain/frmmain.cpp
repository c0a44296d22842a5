#include "frmMain/frmmain.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "engine/explain.h"
#include "frmAbout/frmabout.h"
#include "frmGuide/frmguide.h"
#include "frmMain/layout.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "platform/twips.h"
#include "platform/window.h"

using namespace bandalyx;
using platform::Shape;
using L = frmmain::Layout;

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void showPlain(Shape *shape)
{
    shape->setFillStyle(Shape::FillStyle::None);
    shape->setBackStyle(Shape::BackStyle::Opaque);
}

void showNoColour(Shape *shape)
{
    shape->setFillStyle(Shape::FillStyle::DiagonalCross);
    shape->setBackStyle(Shape::BackStyle::Transparent);
}

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    createControls();
    Form_Load();
    // Only now does the menu bar hold its captions and so have its real height, which the
    // client area is placed below.
    platform::placeClientAt(this, L::ClientPosition, centralWidget());
}

frmMain::~frmMain()
{
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

void frmMain::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);

    mnuDecode = menuBar()->addAction(QString());
    mnuDecode->setObjectName(QStringLiteral("mnuDecode"));
    mnuAbout = menuBar()->addAction(QString());
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuDecode, &QAction::triggered, this, &frmMain::mnuDecode_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    platform::setFixedDialogFrame(this, L::ClientSize, platform::TaskBar::OwnEntry, client);
    setWindowIcon(QIcon(QStringLiteral(":/bandalyx-16.png")));

    std::vector<std::pair<int, QWidget *>> tabOrder;
    auto place = [&](QWidget *w, const char *name, platform::TwipRect rect, int tab) {
        w->setObjectName(QLatin1String(name));
        platform::placeInTwips(w, rect);
        if (tab >= 0)
            tabOrder.emplace_back(tab, w);
    };

    for (const auto &row : L::Frames)
        place(this->*row.member = new QGroupBox(client), row.name, row.rect, -1);

    // Swatches first, so each button is drawn over the swatch edge it shares.
    for (const auto &row : L::Swatches)
        place(this->*row.member = new Shape(Frame3), row.name, row.rect, -1);
    for (const auto &row : L::ColourButtons) {
        auto *button = this->*row.member = new QPushButton(Frame3);
        place(button, row.name, row.rect, row.tab);
        button->setAutoDefault(true); // Enter clicks the focused button, as Space does
        // Painting its own background spares the frame behind a pressed button a repaint.
        button->setBackgroundRole(QPalette::Window);
        button->setAutoFillBackground(true);
        connect(button, &QPushButton::clicked, this, row.click);
    }

    for (const auto &row : L::Options) {
        auto *option = this->*row.member = new QRadioButton(this->*row.frame);
        place(option, row.name, row.rect, row.tab);
        platform::keepTabStopOnSelected(option);
        platform::onSelected(option, this, row.click);
    }

    Picture2 = new platform::PictureBox(Frame4);
    place(Picture2, "Picture2", L::Picture2Rect, L::Picture2Tab);
    Picture2->setFocusPolicy(Qt::TabFocus);
    // Through QIcon, so a high-DPI screen gets the image drawn at its pixel ratio.
    Picture2->setPicture(
        QIcon(QStringLiteral(":/resistor.png")).pixmap(L::ResistorImageSize, devicePixelRatioF()));
    for (const auto &row : L::BandShapes)
        place(this->*row.member = new Shape(Picture2), row.name, row.rect, -1);

    for (const auto &row : L::Labels)
        place(this->*row.member = new QLabel(Frame4), row.name, row.rect, -1);
    for (const auto &row : L::TextBoxes)
        place(this->*row.member = new QLineEdit(Frame4), row.name, row.rect, row.tab);
    // Each result box overlaps the next by two pixels. Stacking the upper box on top and
    // letting it paint its own background means a new value repaints that box alone, not a
    // strip of its neighbour and the frame behind it as well.
    for (auto row = L::TextBoxes.rbegin(); row != L::TextBoxes.rend(); ++row) {
        QLineEdit *box = this->*row->member;
        box->setBackgroundRole(QPalette::Window);
        box->setAutoFillBackground(true);
        box->raise();
    }

    Command13 = new QPushButton(Frame4);
    place(Command13, "Command13", L::ResetButton.rect, L::ResetButton.tab);
    Command13->setAutoDefault(true);
    connect(Command13, &QPushButton::clicked, this, &frmMain::Command13_Click);

    std::sort(tabOrder.begin(), tabOrder.end());
    std::vector<QWidget *> chain;
    for (const auto &[tab, widget] : tabOrder)
        chain.push_back(widget);
    platform::setTabOrder(chain);
}

void frmMain::Form_Load()
{
    setWindowTitle(Caption);
    mnuDecode->setText(QString::fromUtf8(L::DecodeMenuCaption));
    mnuAbout->setText(QString::fromUtf8(L::AboutMenuCaption));
    for (const auto &row : L::Frames)
        (this->*row.member)->setTitle(QString::fromUtf8(row.caption));
    for (const auto &row : L::Options)
        (this->*row.member)->setText(QString::fromUtf8(row.caption));
    for (const auto &row : L::ColourButtons)
        (this->*row.member)->setText(fromUtf8(Colours[row.code].caption));
    Command13->setText(QString::fromUtf8(L::ResetButton.caption));
    for (const auto &row : L::Labels)
        (this->*row.member)->setText(QString::fromUtf8(row.caption));
    // What a screen reader says: a result box is named by its label, without the colon.
    for (const auto &row : L::TextBoxes)
        (this->*row.member)
            ->setAccessibleName((this->*row.label)->text().remove(L::LabelColon).trimmed());
    for (const auto &row : L::Swatches)
        (this->*row.member)->setAccessibleName(fromUtf8(Colours[row.code].koreanName));
    Picture2->setAccessibleName(QString::fromUtf8(L::Picture2Name));

    for (const auto &row : L::TextBoxes)
        (this->*row.member)->setText(QString());
    for (const auto &row : L::TextBoxes)
        (this->*row.member)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    for (const auto &row : L::BandShapes)
        (this->*row.member)->setBackStyle(Shape::BackStyle::Opaque);
    for (const auto &row : L::BandShapes)
        (this->*row.member)->setBorderStyle(Shape::BorderStyle::None);
    for (const auto &row : L::Swatches)
        (this->*row.member)->setBackStyle(Shape::BackStyle::Opaque);
    for (const auto &row : L::Swatches)
        (this->*row.member)->setBorderStyle(Shape::BorderStyle::None);
    for (const auto &row : L::Swatches)
        (this->*row.member)->setBackColor(colourNumberOf(row.code));

    // Selecting the 4-band kind runs its handler, which also selects band A.
    Option1->setChecked(true);
    resetToDefault(Kind::FourBands);

    createGuideWindow();
}

void frmMain::createGuideWindow()
{
    m_guide = new frmGuide();
    m_guide->setWindowTitle(windowTitle() + QString::fromUtf8(L::GuideCaptionSuffix));
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
    for (std::size_t i = 0; i < L::KindOptions.size(); ++i) {
        if ((this->*L::KindOptions[i])->isChecked())
            return AllKinds[i];
    }
    return std::nullopt;
}

std::optional<Band> frmMain::selectedBand() const
{
    for (std::size_t i = 0; i < L::BandOptions.size(); ++i) {
        if ((this->*L::BandOptions[i])->isChecked())
            return AllBands[i];
    }
    return std::nullopt;
}

void frmMain::setResultText(ResultBox box, std::string_view text)
{
    QLineEdit *boxes[] = {Text1, Text2, Text3};
    boxes[static_cast<int>(box)]->setText(fromUtf8(text));
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

void frmMain::explainReading()
{
    const Explanation e = explain(m_reader.state(), selectedKind());
    Text1->setToolTip(fromUtf8(e.value));
    Text2->setToolTip(fromUtf8(e.range));
}

void frmMain::describeBand(int band)
{
    Shape *shape = this->*L::BandShapes[band].member;
    QString colour;
    if (shape->fillStyle() == Shape::FillStyle::DiagonalCross)
        colour = fromUtf8(NoColourName);
    for (const ColourCode &c : Colours)
        if (colour.isEmpty() && colourNumber(c.rgb) == shape->backColor())
            colour = fromUtf8(c.koreanName);
    shape->setAccessibleName((this->*L::BandLetters[band])->text() + u' ' + colour);
}

void frmMain::BaseColorShow(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                            std::int32_t e, const QString &f)
{
    const std::array<std::int32_t, BandCount> colours {a, b, c, d, e, f.toInt()};
    for (std::size_t i = 0; i < BandCount; ++i) {
        (this->*L::BandShapes[i].member)->setBackColor(colours[i]);
        describeBand(int(i));
    }

    const std::optional<Kind> kind = selectedKind();
    if (!kind)
        return;
    const int bands = bandCountOf(*kind);
    for (int i = 0; i < bands; ++i) {
        platform::placeInTwips(this->*L::BandShapes[i].member, L::bandRect(*kind, i));
        platform::placeInTwips(this->*L::BandLetters[i], L::letterRect(*kind, i));
    }
    // Only bands E and F come and go; A to D belong to every kind.
    for (int i = 4; i < BandCount; ++i) {
        (this->*L::BandShapes[i].member)->setVisible(i < bands);
        (this->*L::BandLetters[i])->setVisible(i < bands);
    }
}

void frmMain::SelectColorShow(int code)
{
    if (code < 0 || code >= ColourCount)
        return;
    const std::optional<Band> band = selectedBand();
    if (!band)
        return;
    Shape *shape = this->*L::BandShapes[index(*band)].member;
    const int noColourBand = *band == Band::D ? 1 : *band == Band::E ? 2 : 0;
    if (noColourBand != 0 && code == NoColourCode
        && m_reader.state().NoColourBand == noColourBand) {
        showNoColour(shape);
    } else {
        if (noColourBand != 0)
            showPlain(shape);
        shape->setBackColor(colourNumberOf(code));
    }
    describeBand(index(*band));
}

void frmMain::CmdSelectShow(const CodeSet &enabled)
{
    for (const auto &row : L::ColourButtons)
        (this->*row.member)->setEnabled(enabled[row.code]);
}

void frmMain::kindChosen(Kind kind)
{
    if (!(this->*L::KindOptions[index(kind)])->isChecked())
        return;
    resetToDefault(kind);
    const int bands = bandCountOf(kind);
    Option8->setEnabled(bands >= 5);
    Option9->setEnabled(bands >= 6);
    Option4->setChecked(true);
    showPlainBands();
}

void frmMain::resetToDefault(Kind kind)
{
    const DefaultResistor r = defaultResistor(kind);
    const auto &v = r.values;
    BaseValueShow(v[0], v[1], v[2], v[3], v[4], QString::fromStdString(v[5].text()));
    const auto &c = r.colours;
    BaseColorShow(c[0], c[1], c[2], c[3], c[4], QString::number(c[5]));
}

// Undoes a no-colour hatch left on the bands that can carry one.
void frmMain::showPlainBands()
{
    showPlain(Shape4);
    showPlain(Shape5);
    describeBand(index(Band::D));
    describeBand(index(Band::E));
}

void frmMain::KindDefaultShow()
{
    if (const std::optional<Kind> kind = selectedKind())
        resetToDefault(*kind);
    showPlainBands();
    ResultValueShow();
}

void frmMain::bandChosen(Band band)
{
    const std::optional<Kind> kind = selectedKind();
    // Band D's handler does nothing at all without a kind; the others reset code 9 first.
    if (band == Band::D && !kind)
        return;
    if (band != Band::D)
        showNineAsWhite();
    if (!kind || !(this->*L::BandOptions[index(band)])->isChecked())
        return;
    const Role role = roleOf(*kind, band);
    if (role == Role::None)
        return;
    CmdSelectShow(offeredCodes(role));
    if (role == Role::Tolerance)
        showNineAsNoColour(band == Band::D ? 1 : 2);
    else if (band == Band::D)
        showNineAsWhite();
}

void frmMain::showNineAsWhite()
{
    m_reader.state().NoColourBand = 0;
    Command10->setText(fromUtf8(Colours[NoColourCode].caption));
    Shape16->setBackColor(colourNumberOf(NoColourCode));
    showPlain(Shape16);
}

void frmMain::showNineAsNoColour(int noColourBand)
{
    m_reader.state().NoColourBand = noColourBand;
    Command10->setText(fromUtf8(NoColourCaption));
    showNoColour(Shape16);
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

void frmMain::Option1_Click()
{
    kindChosen(Kind::FourBands);
}
void frmMain::Option2_Click()
{
    kindChosen(Kind::FiveBands);
}
void frmMain::Option3_Click()
{
    kindChosen(Kind::SixBands);
}
void frmMain::Option4_Click()
{
    bandChosen(Band::A);
}
void frmMain::Option5_Click()
{
    bandChosen(Band::B);
}
void frmMain::Option6_Click()
{
    bandChosen(Band::C);
}
void frmMain::Option7_Click()
{
    bandChosen(Band::D);
}
void frmMain::Option8_Click()
{
    bandChosen(Band::E);
}
void frmMain::Option9_Click()
{
    bandChosen(Band::F);
}
void frmMain::Command1_Click()
{
    colourClicked(0);
}
void frmMain::Command2_Click()
{
    colourClicked(1);
}
void frmMain::Command3_Click()
{
    colourClicked(2);
}
void frmMain::Command4_Click()
{
    colourClicked(3);
}
void frmMain::Command5_Click()
{
    colourClicked(4);
}
void frmMain::Command6_Click()
{
    colourClicked(5);
}
void frmMain::Command7_Click()
{
    colourClicked(6);
}
void frmMain::Command8_Click()
{
    colourClicked(7);
}
void frmMain::Command9_Click()
{
    colourClicked(8);
}
void frmMain::Command10_Click()
{
    colourClicked(9);
}
void frmMain::Command11_Click()
{
    colourClicked(10);
}
void frmMain::Command12_Click()
{
    colourClicked(11);
}
void frmMain::Command13_Click()
{
    KindDefaultShow();
}
