// Draws the program's images, so that the committed PNGs can be regenerated and checked.
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include "resources/art/imagecompare.h"

namespace {

// One picture we ship: its file stem, its size in logical pixels and how it is drawn.
struct Art
{
    const char *stem;
    QSize size;
    bool opaque;
    void (*draw)(QPainter &);
};

// The resistor is symmetric about this vertical line, so the right half is the left one mirrored.
constexpr qreal ResistorMirrorX = 180;

QPainterPath resistorBody()
{
    // Outer bands sit on the bulges (y 7..68), inner bands on the waist (y 15..60): the bulges are
    // kept 2 px taller and the waist 1-2 px taller than the bands so that bands never poke out.
    const qreal top = 5, bottom = 70, waistTop = 13, waistBottom = 62, mid = 37.5;
    const auto m = [](qreal x) { return ResistorMirrorX - x; };
    QPainterPath path;
    path.moveTo(26, mid);
    path.cubicTo(26, 16, 29, top, 39, top);
    path.lineTo(45, top);
    path.cubicTo(51, top, 51, waistTop, 57, waistTop);
    path.lineTo(m(57), waistTop);
    path.cubicTo(m(51), waistTop, m(51), top, m(45), top);
    path.lineTo(m(39), top);
    path.cubicTo(m(29), top, m(26), 16, m(26), mid);
    path.cubicTo(m(26), 2 * mid - 16, m(29), bottom, m(39), bottom);
    path.lineTo(m(45), bottom);
    path.cubicTo(m(51), bottom, m(51), waistBottom, m(57), waistBottom);
    path.lineTo(57, waistBottom);
    path.cubicTo(51, waistBottom, 51, bottom, 45, bottom);
    path.lineTo(39, bottom);
    path.cubicTo(29, bottom, 26, 2 * mid - 16, 26, mid);
    path.closeSubpath();
    return path;
}

// Beige lit from above: a highlight in the upper third and a darker underside, as on a cylinder.
QLinearGradient bodyShading(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.00, QColor(204, 176, 128));
    g.setColorAt(0.20, QColor(240, 222, 186));
    g.setColorAt(0.45, QColor(224, 198, 152));
    g.setColorAt(0.85, QColor(204, 175, 128));
    g.setColorAt(1.00, QColor(180, 150, 104));
    return g;
}

QLinearGradient leadShading(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(164, 164, 170));
    g.setColorAt(0.3, QColor(200, 200, 206));
    g.setColorAt(1.0, QColor(100, 100, 106));
    return g;
}

const QColor OutlineColour(130, 100, 62, 190);

void drawResistor(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 180, 74), Qt::white);

    // Leads run under the body's rounded ends, from one image edge to the other.
    p.fillRect(QRectF(0, 36, 32, 3), leadShading(36, 39));
    p.fillRect(QRectF(ResistorMirrorX - 32, 36, 32, 3), leadShading(36, 39));

    const QPainterPath body = resistorBody();
    p.fillPath(body, bodyShading(5, 70));

    // Darken the far ends a little so the bulges read as rounded caps rather than flat cut-outs.
    QLinearGradient ends(26, 0, 154, 0);
    ends.setColorAt(0.00, QColor(90, 60, 20, 60));
    ends.setColorAt(0.07, QColor(90, 60, 20, 0));
    ends.setColorAt(0.93, QColor(90, 60, 20, 0));
    ends.setColorAt(1.00, QColor(90, 60, 20, 60));
    p.fillPath(body, ends);

    p.strokePath(body, QPen(OutlineColour, 1.0));
}

QPainterPath iconBody()
{
    const qreal top = 3.5, waistTop = 4.5, mid = 8;
    const auto m = [](qreal x) { return 16 - x; };
    const auto f = [mid](qreal y) { return 2 * mid - y; };
    QPainterPath path;
    path.moveTo(1.5, mid);
    path.cubicTo(1.5, 4.5, 2, top, 3.5, top);
    path.lineTo(4.5, top);
    path.cubicTo(5.5, top, 5.5, waistTop, 6.5, waistTop);
    path.lineTo(m(6.5), waistTop);
    path.cubicTo(m(5.5), waistTop, m(5.5), top, m(4.5), top);
    path.lineTo(m(3.5), top);
    path.cubicTo(m(2), top, m(1.5), 4.5, m(1.5), mid);
    path.cubicTo(m(1.5), f(4.5), m(2), f(top), m(3.5), f(top));
    path.lineTo(m(4.5), f(top));
    path.cubicTo(m(5.5), f(top), m(5.5), f(waistTop), m(6.5), f(waistTop));
    path.lineTo(6.5, f(waistTop));
    path.cubicTo(5.5, f(waistTop), 5.5, f(top), 4.5, f(top));
    path.lineTo(3.5, f(top));
    path.cubicTo(2, f(top), 1.5, f(4.5), 1.5, mid);
    path.closeSubpath();
    return path;
}

// bandalyx.svg is the same drawing by hand, for the icon theme; change the two together.
void drawIcon(QPainter &p)
{
    p.fillRect(QRectF(0, 7, 16, 2), leadShading(7, 9));

    const QPainterPath body = iconBody();
    p.fillPath(body, bodyShading(3.5, 12.5));

    // Three bands, two pixels wide at 16 px so that each colour survives the small size.
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(3, 3.5, 2, 9), QColor(200, 30, 30));
    p.fillRect(QRectF(7, 4.5, 2, 7), QColor(40, 70, 200));
    p.fillRect(QRectF(11, 3.5, 2, 9), QColor(212, 160, 40));
    p.restore();

    // Light above and shadow below, over the bands too, so that they look painted on a round body.
    QLinearGradient gloss(0, 3.5, 0, 12.5);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 0));
    gloss.setColorAt(0.25, QColor(255, 255, 255, 70));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    gloss.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillPath(body, gloss);

    p.strokePath(body, QPen(QColor(110, 80, 45, 220), 0.8));
}

const Art Arts[] = {
    {"resistor", QSize(180, 74), true, drawResistor},
    {"bandalyx-16", QSize(16, 16), false, drawIcon},
};

QString fileName(const Art &art, int scale)
{
    const QString stem = QString::fromLatin1(art.stem);
    return scale == 1 ? stem + QStringLiteral(".png")
                      : QStringLiteral("%1@%2x.png").arg(stem).arg(scale);
}

// Drawn in logical coordinates and scaled, so a @2x image is a sharp redraw, not an upscale.
// Returned unpremultiplied, which is what a PNG stores, so a saved image reloads bit for bit.
QImage render(const Art &art, int scale)
{
    QImage image(art.size * scale,
                 art.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        art.draw(p);
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Returns false, after saying why on one line, when the file differs from a fresh drawing by
// more than the rounding of a blend, which differs between processors.
bool matches(const QImage &drawn, const QString &path)
{
    const QImage loaded(path);
    if (loaded.isNull()) {
        std::fprintf(stderr, "makeart: %s: missing or unreadable\n", qPrintable(path));
        return false;
    }
    if (loaded.size() != drawn.size()) {
        std::fprintf(stderr, "makeart: %s: is %dx%d, the drawing is %dx%d\n", qPrintable(path),
                     loaded.width(), loaded.height(), drawn.width(), drawn.height());
        return false;
    }
    if (const auto d = imagecompare::difference(drawn, loaded)) {
        std::fprintf(stderr, "makeart: %s differs from the drawing: %s\n", qPrintable(path),
                     qPrintable(imagecompare::describe(d)));
        return false;
    }
    return true;
}

// The Windows build's icon: the 16 and 32 pixel drawings as PNG entries of one .ico file.
const char *const IcoName = "bandalyx.ico";
constexpr int IcoScales[] = {1, 2};

QByteArray icoOf(const QList<QImage> &images)
{
    QByteArray header, data;
    QDataStream h(&header, QIODevice::WriteOnly);
    h.setByteOrder(QDataStream::LittleEndian);
    h << quint16(0) << quint16(1) << quint16(images.size()); // reserved, type icon, count
    int offset = 6 + 16 * int(images.size());
    for (const QImage &image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        h << quint8(image.width()) << quint8(image.height()) << quint8(0) << quint8(0) << quint16(1)
          << quint16(32) << quint32(png.size()) << quint32(offset);
        offset += int(png.size());
        data += png;
    }
    return header + data;
}

QList<QImage> imagesOfIco(const QByteArray &ico)
{
    QList<QImage> images;
    QDataStream in(ico);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 0, type = 0, count = 0;
    in >> reserved >> type >> count;
    for (int i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint8 width, height, colours, zero;
        quint16 planes, bits;
        quint32 size, offset;
        in >> width >> height >> colours >> zero >> planes >> bits >> size >> offset;
        if (qint64(offset) + size <= ico.size())
            images << QImage::fromData(ico.mid(offset, size), "PNG");
    }
    return images;
}

bool icoMatches(const QList<QImage> &drawn, const QString &path)
{
    QFile file(path);
    const QList<QImage> loaded
        = file.open(QIODevice::ReadOnly) ? imagesOfIco(file.readAll()) : QList<QImage>();
    if (loaded.size() != drawn.size()) {
        std::fprintf(stderr, "makeart: %s: has %d image(s), the drawing %d\n", qPrintable(path),
                     int(loaded.size()), int(drawn.size()));
        return false;
    }
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        if (const auto d = imagecompare::difference(drawn[i], loaded[i])) {
            std::fprintf(stderr, "makeart: %s: image %d differs from the drawing: %s\n",
                         qPrintable(path), int(i), qPrintable(imagecompare::describe(d)));
            return false;
        }
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: makeart (--out DIR | --check DIR) [--scale N]...\n");
    return 2;
}

// Draws every picture at every scale, and the .ico, and writes them into `dir` or checks the
// files there against them.
bool writeOrCheck(bool check, const QString &dir, const std::vector<int> &scales)
{
    bool ok = true;
    for (const int scale : scales) {
        for (const Art &art : Arts) {
            const QImage image = render(art, scale);
            const QString path = QDir(dir).filePath(fileName(art, scale));
            if (check) {
                ok = matches(image, path) && ok;
            } else if (!image.save(path, "PNG")) {
                std::fprintf(stderr, "makeart: cannot write %s\n", qPrintable(path));
                ok = false;
            }
        }
    }

    QList<QImage> icons;
    for (const int scale : IcoScales)
        icons << render(Arts[1], scale);
    const QString icoPath = QDir(dir).filePath(QLatin1String(IcoName));
    if (check) {
        ok = icoMatches(icons, icoPath) && ok;
    } else {
        QFile file(icoPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(icoOf(icons)) < 0) {
            std::fprintf(stderr, "makeart: cannot write %s\n", qPrintable(icoPath));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    enum class Mode { None, Out, Check };
    Mode mode = Mode::None;
    QString dir;
    std::vector<int> scales;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        const char *value = argv[++i];
        if ((arg == "--out" || arg == "--check") && mode == Mode::None) {
            mode = arg == "--out" ? Mode::Out : Mode::Check;
            dir = QString::fromLocal8Bit(value);
        } else if (arg == "--scale") {
            char *end = nullptr;
            const long scale = std::strtol(value, &end, 10);
            if (*value == '\0' || *end != '\0' || scale < 1 || scale > 8) {
                std::fprintf(stderr, "makeart: --scale wants a whole number from 1 to 8\n");
                return 2;
            }
            scales.push_back(int(scale));
        } else {
            return usage();
        }
    }
    if (mode == Mode::None)
        return usage();
    if (scales.empty())
        scales.push_back(1);

    return writeOrCheck(mode == Mode::Check, dir, scales) ? 0 : 1;
}
