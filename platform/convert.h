#pragma once

#include <cstdint>
#include <string_view>

#include <QColor>
#include <QString>

// The two conversions between the engine's plain values and Qt's.
namespace platform {

// Texts travel as UTF-8.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A colour number folds red + 256 * green + 65536 * blue into one integer.
inline QColor toQColor(std::int32_t colourNumber)
{
    return QColor(colourNumber & 0xff, (colourNumber >> 8) & 0xff, (colourNumber >> 16) & 0xff);
}

} // namespace platform
