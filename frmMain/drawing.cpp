#include "frmMain/frmmain.h"

#include <QLabel>
#include <QPushButton>

#include "frmMain/layout.h"
#include "platform/convert.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "platform/twips.h"

// The resistor drawing: the bands in their colours, or hatched where code 9 stands for no band,
// and the white or no-colour swatch of code 9.
namespace ui {

using namespace bandalyx;
using platform::Shape;
using platform::toQString;

namespace {

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

// A screen reader hears the band's letter and the colour the reading gives it.
void frmMain::describeBand(Band band)
{
    const BandRow &row = MainLayout::bandRow(band);
    QString name = (this->*row.letter)->text();
    const std::optional<int> code = m_reader.state().band(band).code();
    const std::optional<Kind> kind = selectedKind();
    if (code)
        name += u' ' + toQString(kind ? colourNameIn(*kind, band, *code) : Colours[std::size_t(*code)].koreanName);
    (this->*row.shape)->setAccessibleName(name);
}

void frmMain::BaseColorShow(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                            std::int32_t e, const QString &f)
{
    // Band F's colour arrives as text; it is read as a number once, here.
    showColours({a, b, c, d, e, f.toInt()});
}

void frmMain::showColours(const std::array<std::int32_t, BandCount> &colours)
{
    for (const BandRow &row : MainLayout::Bands) {
        (this->*row.shape)->setBackColor(colours[std::size_t(index(row.band))]);
        describeBand(row.band);
    }

    const std::optional<Kind> kind = selectedKind();
    if (!kind)
        return;
    // A band the kind lacks keeps its place and is only hidden.
    for (const BandRow &row : MainLayout::Bands) {
        const bool used = roleOf(*kind, row.band) != Role::None;
        if (used) {
            platform::placeInTwips(this->*row.shape, MainLayout::bandRect(*kind, row.band));
            platform::placeInTwips(this->*row.letter, MainLayout::letterRect(*kind, row.band));
        }
        (this->*row.shape)->setVisible(used);
        (this->*row.letter)->setVisible(used);
    }
}

void frmMain::SelectColorShow(int code)
{
    if (code < 0 || code >= ColourCount)
        return;
    // Code 9 is no colour in the band that stands for it while that band is being set.
    if (const std::optional<Band> band = selectedBand())
        paintBand(*band, code, showsNoColour(m_reader.state().NoColourBand, *band, code));
}

// A band in its colour, or hatched as no colour; any colour brings a band that can be hatched
// back to the plain style.
void frmMain::paintBand(Band band, int code, bool noColour)
{
    Shape *shape = this->*MainLayout::bandRow(band).shape;
    const int noColourBand = noColourBandOf(band);
    if (noColour) {
        showNoColour(shape);
    } else {
        if (noColourBand != 0)
            showPlain(shape);
        shape->setBackColor(colourNumberOf(code));
    }
    describeBand(band);
}

// Undoes a no-colour hatch left on the bands that can carry one.
void frmMain::showPlainBands()
{
    for (const BandRow &row : MainLayout::Bands) {
        if (noColourBandOf(row.band) != 0) {
            showPlain(this->*row.shape);
            describeBand(row.band);
        }
    }
}

void frmMain::showNineAsWhite()
{
    m_reader.setNoColourBand(0);
    (this->*MainLayout::buttonOf(NoColourCode).member)
        ->setText(toQString(Colours[NoColourCode].caption));
    Shape *swatch = this->*MainLayout::swatchOf(NoColourCode).member;
    swatch->setBackColor(colourNumberOf(NoColourCode));
    showPlain(swatch);
}

void frmMain::showNineAsNoColour(int noColourBand)
{
    m_reader.setNoColourBand(noColourBand);
    (this->*MainLayout::buttonOf(NoColourCode).member)->setText(toQString(NoColourCaption));
    showNoColour(this->*MainLayout::swatchOf(NoColourCode).member);
}

} // namespace ui
