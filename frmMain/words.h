#pragma once

#include <QString>

#include "engine/lookalike.h"
#include "engine/reversal.h"

// The window's sentences, each worded once from what the engine found.
namespace ui {

// "갈색 흑색 적색 금색": the kind's band colours from A on, named as the colour buttons name them.
QString bandColoursLine(bandalyx::Kind kind, const bandalyx::BandSequence &codes);

// "B 띠가 적색이면 2.2 ㏀ (E6 표준값)": the reading a band would give as a lookalike colour, with
// the tolerance or the coefficient when that band is the one in doubt.
QString alternativeLine(bandalyx::Kind kind, const bandalyx::AlternativeReading &alternative);

} // namespace ui
