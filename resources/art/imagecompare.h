#pragma once

#include <cstdlib>
#include <optional>

#include <QImage>
#include <QPoint>
#include <QString>

// Compares two renderings as a user sees them. Blending (anti-aliasing, transparency, the
// premultiplied round trip of an icon) rounds by one step differently on different processors,
// so a blended pixel may differ by one step per premultiplied channel; a pixel inside an opaque
// area of one colour (a band, a swatch, a hatch line's run) must match exactly.
namespace imagecompare {

struct Difference
{
    QPoint at; // the first pixel that differs too much
    int count = 0; // how many do
};

// Opaque, and its eight neighbours (those inside the image) are the same colour.
inline bool isOpaqueInterior(const QImage &image, int x, int y)
{
    const QRgb centre = image.pixel(x, y);
    if (qAlpha(centre) != 255)
        return false;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (image.rect().contains(p) && image.pixel(p) != centre)
                return false;
        }
    }
    return true;
}

inline bool withinOneStep(QRgb a, QRgb b)
{
    const auto close = [](int u, int v) { return std::abs(u - v) <= 1; };
    return close(qAlpha(a), qAlpha(b)) && close(qRed(a), qRed(b)) && close(qGreen(a), qGreen(b))
        && close(qBlue(a), qBlue(b));
}

// Nothing when `seen` shows what `expected` does; images of different sizes always differ.
inline std::optional<Difference> difference(const QImage &expected, const QImage &seen)
{
    if (expected.size() != seen.size())
        return Difference {QPoint(-1, -1), expected.width() * expected.height()};
    const QImage want = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage got = seen.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Difference d;
    for (int y = 0; y < want.height(); ++y) {
        for (int x = 0; x < want.width(); ++x) {
            const QRgb a = want.pixel(x, y);
            const QRgb b = got.pixel(x, y);
            const bool ok = isOpaqueInterior(want, x, y) ? a == b : withinOneStep(a, b);
            if (!ok && d.count++ == 0)
                d.at = QPoint(x, y);
        }
    }
    if (d.count == 0)
        return std::nullopt;
    return d;
}

// One line for a failure message: how many pixels differ and where the first one is.
inline QString describe(const std::optional<Difference> &difference)
{
    if (!difference)
        return QStringLiteral("the images match");
    const Difference &d = *difference;
    if (d.at.x() < 0)
        return QStringLiteral("the sizes differ");
    return QStringLiteral("%1 pixel(s) differ, the first at (%2, %3)")
        .arg(d.count)
        .arg(d.at.x())
        .arg(d.at.y());
}

} // namespace imagecompare
