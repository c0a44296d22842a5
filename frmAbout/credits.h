#pragma once

#include <QStringView>

// Who made Bandalyx and where to reach them: the About window shows these and opens the page.
namespace ui {

inline constexpr QStringView MakerName = u"Bandalyx 개발팀";
inline constexpr QStringView MonthMade = u"2026년 12월";
// The project has no public address or page yet; example.org is reserved for documentation
// and reaches no one, so nothing is sent or opened anywhere real until these are replaced.
inline constexpr QStringView EmailAddress = u"bandalyx@example.org";
inline constexpr QStringView PageAddress = u"https://bandalyx.example.org/";

} // namespace ui
