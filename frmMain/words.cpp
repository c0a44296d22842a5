#include "frmMain/words.h"

#include <QStringList>

#include "engine/marking.h"
#include "engine/valuetext.h"
#include "platform/convert.h"

namespace ui {

using namespace bandalyx;
using platform::toQString;

QString bandColoursLine(Kind kind, const BandSequence &codes)
{
    QStringList names;
    for (int i = 0; i < bandCountOf(kind); ++i) {
        const std::size_t at = std::size_t(i);
        names << toQString(colourNameIn(roleOf(kind, AllBands[at]), codes[at]));
    }
    return names.join(u' ');
}

QString alternativeLine(Kind kind, const AlternativeReading &alternative)
{
    const BandReading &r = alternative.reading;
    QString reading = toQString(ohmsText(decimalOf(r.ohms)));
    const Role role = roleOf(kind, alternative.band);
    if (role == Role::Tolerance)
        reading = QStringLiteral("%1 %2").arg(reading, toQString(shortTolerance(r.tolerance)));
    else if (role == Role::Tempco && r.tempcoPpm)
        reading = QStringLiteral("%1 %2").arg(reading, toQString(tempcoText(*r.tempcoPpm)));
    const QString standard = alternative.commonest
        ? QStringLiteral(" (%1 표준값)").arg(toQString(alternative.commonest->name))
        : QString();
    return QStringLiteral("%1 띠가 %2이면 %3%4")
        .arg(toQString(letterOf(alternative.band)),
             toQString(colourNameIn(role, alternative.code)), reading, standard);
}

} // namespace ui
