#pragma once

#include <QString>

#include "engine/encode.h"
#include "engine/explain.h"
#include "engine/marking.h"

// Every sentence the reader says about a reading or a refusal, worded in one place from what the
// engine found. Captions stay in their tables (layout.h, the colour table, the chart's texts).
namespace ui {

// Why typed text was not applied: the note under the value box.
QString noteOf(const bandalyx::Refusal &why);
// Why a typed tolerance or coefficient was not applied: the note under its box.
QString noteOf(const bandalyx::MarkRefusal &why);

// The value box's tooltip: the exact value, the standard series that hold it, and the nearest
// values of its tolerance's series when it is in none.
QString valueTooltip(const bandalyx::Explanation &e);
// The tolerance box's tooltip: the range the tolerance allows.
QString rangeTooltip(const bandalyx::Explanation &e);
// The picture's tooltip: the colours as drawn ("갈색 흑색 적색 금색"), the reading from each end or
// why one is impossible, then what a band easily taken for another colour would give ("B 띠가
// 적색이면 2.2 ㏀ (E6 표준값)").
QString pictureTooltip(const bandalyx::Explanation &e);
// The reading from each end alone.
QString directionsTooltip(const bandalyx::Directions &d);

} // namespace ui
