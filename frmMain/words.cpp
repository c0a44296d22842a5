#include "frmMain/words.h"

#include <array>
#include <variant>

#include <QStringList>

#include "platform/convert.h"

namespace ui {

using namespace bandalyx;
using platform::toQString;

namespace {

// clang-format off
// The catalogue: each sentence whole, its blanks filled in by QString::arg in one pass.
struct Catalogue
{
    std::array<const char *, 8> parse; // in ParseError's order
    std::array<const char *, 3> encode; // in EncodeError's order
    const char *otherKinds;
    const char *noOtherKind;
    std::array<const char *, 5> marks; // in MarkFault's order
    const char *listSeparator;
    const char *offeredTolerance;

    const char *noSeries;
    const char *series;
    const char *nearest;
    const char *range;

    const char *forward;
    const char *backward;
    const char *forwardRefused;
    const char *backwardRefused;
    const char *standard;
    const char *notStandard;
    std::array<const char *, 3> faults; // in BandFault's order
    std::array<const char *, 6> roles; // in Role's order
    const char *alternative;
};

constexpr Catalogue Words {
    {
        "값을 입력하세요. 예: 4.7k, 4K7, 4 700, 2.2 ㏁",
        "입력이 너무 깁니다. 예: 4.7k, 4K7, 4 700, 2.2 ㏁",
        "값으로 읽을 수 없습니다. 예: 4.7k, 4K7, 4 700, 2.2 ㏁",
        "쉼표는 천 단위를 나눌 때만 씁니다. 소수점은 마침표로 쓰세요(예: 4.7k).",
        "저항값은 옴(\u2126) 단위로 입력하세요. 예: 4.7k, 4.7 ㏀, 470 ohm",
        "소문자 m은 밀리(1/1000)입니다. 메가옴은 대문자 M으로 쓰세요(예: 2.2M).",
        "0 \u2126은 나타낼 수 없습니다. 0보다 큰 값을 입력하세요.",
        "저항값은 음수일 수 없습니다. 0보다 큰 값을 입력하세요.",
    },
    {
        "너무 작은 값입니다. %1 저항은 %2부터 나타냅니다.",
        "너무 큰 값입니다. %1 저항은 %2까지 나타냅니다.",
        "유효 숫자가 %2자리입니다. %1 저항은 %3자리까지 나타냅니다. %4 %1에서 가까운 값: %5, %6",
    },
    "%1 저항으로는 나타낼 수 있습니다.",
    "어느 종류로도 나타낼 수 없습니다.",
    {
        "허용오차로 읽을 수 없습니다. 예: 5%, ±1 %, J. %1 저항의 허용오차: %2",
        "%3 허용오차를 나타내는 색이 없습니다. %1 저항의 허용오차: %2",
        "온도계수로 읽을 수 없습니다. 예: 50ppm, 50 ppm/\u2103. %1 저항의 온도계수: %2",
        "%3 온도계수를 나타내는 색이 없습니다. %1 저항의 온도계수: %2",
        "%1 저항에는 온도계수 띠가 없습니다. 온도계수는 %2 저항에만 있습니다.",
    },
    ", ",
    "%1(%2)",

    "표준 계열(E6\u2013E192)에 없는 값",
    "표준값: %1",
    "%1 가까운 표준값: %2, %3",
    "허용 범위: %1 \u2013 %2",

    "%1부터: %2",
    "반대쪽(%1부터): %2",
    "%1부터는 읽을 수 없음: %2",
    "반대쪽(%1부터)에서는 읽을 수 없음: %2",
    " (%1 표준값)",
    " (%1 표준값 아님)",
    {
        "%1 띠(%2)는 %3가 될 수 없음",
        "%1 띠(%2)는 띠가 없는 자리라 %3가 될 수 없음",
        "%1 띠(%2)는 허용오차 자리에서 무색으로 읽혀 허용오차가 될 수 없음",
    },
    {"", "첫 숫자", "숫자", "승수", "허용오차", "온도계수"},
    "%1 띠가 %2이면 %3",
};
// clang-format on

template<std::size_t N, typename Index> QString word(const std::array<const char *, N> &table, Index i)
{
    return QString::fromUtf8(table[static_cast<std::size_t>(i)]);
}

QString word(const char *text)
{
    return QString::fromUtf8(text);
}

QString ohms(Decimal d)
{
    return toQString(ohmsText(d));
}

template<typename List, typename Name> QString listed(const List &items, Name name)
{
    QStringList names;
    for (const auto &item : items)
        names.append(name(item));
    return names.join(word(Words.listSeparator));
}

QString kindsListed(const std::vector<Kind> &kinds)
{
    return listed(kinds, [](Kind k) { return toQString(nameOf(k)); });
}

QString otherKinds(const std::vector<Kind> &showing)
{
    return showing.empty() ? word(Words.noOtherKind) : word(Words.otherKinds).arg(kindsListed(showing));
}

QString noteOf(const ValueRefusal &r)
{
    const QString kind = toQString(nameOf(r.kind));
    const QString pattern = word(Words.encode, r.error);
    switch (r.error) {
    case EncodeError::TooManyFigures:
        return pattern.arg(kind, QString::number(r.figures), QString::number(r.range.figures),
                           otherKinds(r.showing), ohms(r.below), ohms(r.above));
    case EncodeError::BelowRange:
    case EncodeError::AboveRange:
        break;
    }
    QString note = pattern.arg(
        kind, ohms(r.error == EncodeError::BelowRange ? r.range.smallest : r.range.largest));
    // Too small or too large for this kind, the value may still suit another.
    if (!r.showing.empty())
        note += u' ' + otherKinds(r.showing);
    return note;
}

// What the kind offers instead, as the note lists it.
QString offered(const MarkRefusal &r)
{
    switch (r.fault) {
    case MarkFault::ToleranceUnreadable:
    case MarkFault::ToleranceNotOffered:
        return listed(offeredTolerances(r.kind), [](Tolerance t) {
            return word(Words.offeredTolerance).arg(toQString(shortTolerance(t)), QChar(t.letter));
        });
    case MarkFault::TempcoUnreadable:
    case MarkFault::TempcoNotOffered:
        return listed(offeredTempcos(r.kind), [](int ppm) { return QString::number(ppm); })
            + toQString(PerKelvin);
    case MarkFault::NoTempcoBand:
        break;
    }
    return kindsListed(kindsWith(Role::Tempco));
}

// What was typed, as the notes that name it write it.
QString typedText(const MarkRefusal &r)
{
    if (r.tolerance)
        return toQString(typedToleranceText(*r.tolerance));
    return toQString(tempcoText(r.ppm.value_or(NoTempco)));
}

QString standardText(const ESeries *series, bool standard)
{
    return series ? word(standard ? Words.standard : Words.notStandard).arg(toQString(series->name))
                  : QString();
}

QString readingText(const BandReading &r)
{
    QString text = ohms(decimalOf(r.ohms)) + u' ' + toQString(shortTolerance(r.tolerance));
    if (r.tempcoPpm)
        text += u' ' + toQString(tempcoText(*r.tempcoPpm));
    return text + standardText(r.series, r.standard);
}

QString refusalText(const BandRefusal &r)
{
    // Only a band that is no colour is refused as an absent one.
    QString colour = QString::number(r.code);
    if (r.fault == BandFault::AbsentBand)
        colour = toQString(NoColourName);
    else if (r.code >= 0 && r.code < ColourCount)
        colour = toQString(Colours[static_cast<std::size_t>(r.code)].koreanName);
    return word(Words.faults, r.fault).arg(toQString(letterOf(r.band)), colour, word(Words.roles, r.role));
}

// The band in doubt read as the other colour, with the tolerance or the coefficient when that
// band gives one, and the series that holds the value when it is standard.
QString alternativeLine(Kind kind, const AlternativeReading &a)
{
    const BandReading &r = a.reading;
    QString reading = ohms(decimalOf(r.ohms));
    const Role role = roleOf(kind, a.band);
    if (role == Role::Tolerance)
        reading += u' ' + toQString(shortTolerance(r.tolerance));
    else if (role == Role::Tempco && r.tempcoPpm)
        reading += u' ' + toQString(tempcoText(*r.tempcoPpm));
    reading += standardText(a.commonest, true);
    return word(Words.alternative)
        .arg(toQString(letterOf(a.band)), toQString(colourNameIn(kind, a.band, a.code)), reading);
}

QString coloursLine(Kind kind, const BandSequence &codes)
{
    QStringList names;
    for (int i = 0; i < bandCountOf(kind); ++i) {
        const std::size_t at = std::size_t(i);
        names.append(toQString(colourNameIn(kind, AllBands[at], codes[at])));
    }
    return names.join(u' ');
}

QString directionLine(const ReadingOrRefusal &result, Band from, bool backward)
{
    const QString letter = toQString(letterOf(from));
    if (const BandReading *r = std::get_if<BandReading>(&result))
        return word(backward ? Words.backward : Words.forward).arg(letter, readingText(*r));
    return word(backward ? Words.backwardRefused : Words.forwardRefused)
        .arg(letter, refusalText(std::get<BandRefusal>(result)));
}

} // namespace

QString noteOf(const Refusal &why)
{
    if (const ParseError *error = std::get_if<ParseError>(&why))
        return word(Words.parse, *error);
    if (const ValueRefusal *value = std::get_if<ValueRefusal>(&why))
        return noteOf(*value);
    return noteOf(std::get<MarkRefusal>(why));
}

QString noteOf(const MarkRefusal &why)
{
    const QString pattern = word(Words.marks, why.fault);
    const QString kind = toQString(nameOf(why.kind));
    if (why.fault == MarkFault::ToleranceNotOffered || why.fault == MarkFault::TempcoNotOffered)
        return pattern.arg(kind, offered(why), typedText(why));
    return pattern.arg(kind, offered(why));
}

QString valueTooltip(const Explanation &e)
{
    if (e.exact.empty())
        return {};
    QString text = toQString(e.exact) + u'\n';
    text += e.series.empty()
        ? word(Words.noSeries)
        : word(Words.series).arg(listed(e.series, [](std::string_view s) { return toQString(s); }));
    if (e.nearest)
        text += u'\n'
            + word(Words.nearest).arg(toQString(e.nearest->series->name), ohms(e.nearest->values.below),
                                      ohms(e.nearest->values.above));
    return text;
}

QString rangeTooltip(const Explanation &e)
{
    return e.range ? word(Words.range).arg(toQString(e.range->low), toQString(e.range->high)) : QString();
}

QString pictureTooltip(const Explanation &e)
{
    if (!e.picture)
        return {};
    const PictureFacts &p = *e.picture;
    QStringList lines {coloursLine(p.kind, p.codes), directionsTooltip(p.directions)};
    for (const AlternativeReading &a : p.alternatives)
        lines.append(alternativeLine(p.kind, a));
    return lines.join(u'\n');
}

QString directionsTooltip(const Directions &d)
{
    return directionLine(d.forward, d.first, false) + u'\n' + directionLine(d.backward, d.last, true);
}

} // namespace ui
