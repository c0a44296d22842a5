#include "app/look.h"

#include <cstdio>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>

#include "app/translation.h"

namespace app {

namespace {

constexpr int DialogPixelSize = 12;

// The families to use first, where they draw Hangul: on Windows the platform's own dialog font
// (Korean Windows gives one that does), then the Korean face every Windows has; and the family
// the captions were laid out with.
QStringList preferredFamilies()
{
    const QString laidOutWith = QStringLiteral("NanumGothic");
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        return {QApplication::font().family(), QStringLiteral("Malgun Gothic"), laidOutWith};
    return {laidOutWith};
}

// A preferred family, then any other that covers Hangul: a proportional face before a
// fixed-pitch one, so captions keep roughly their widths.
QString hangulFamily()
{
    const QStringList families = QFontDatabase::families(QFontDatabase::Korean);
    for (const QString &family : preferredFamilies()) {
        if (families.contains(family))
            return family;
    }
    for (const QString &family : families) {
        if (!QFontDatabase::isPrivateFamily(family) && !QFontDatabase::isFixedPitch(family))
            return family;
    }
    return families.value(0);
}

} // namespace

bool useDialogFont()
{
    const QString family = hangulFamily();
    QFont font = family.isEmpty() ? QApplication::font() : QFont(family);
    font.setPixelSize(DialogPixelSize);
    QApplication::setFont(font);
    return !family.isEmpty();
}

void useProgramIcon()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bandalyx-16.png")));
}

bool useProgramLook()
{
    useProgramIcon();
    // Without a font for Hangul, Qt's texts stay English, like the warning that says so.
    const bool hangul = useDialogFont();
    if (hangul)
        useKoreanQtTexts();
    return hangul;
}

void warnNoHangulFont()
{
    std::fputs("bandalyx: no installed font can draw Korean (Hangul) text; install fonts-nanum "
               "(Debian/Ubuntu) or any Korean font\n",
               stderr);
    QMessageBox::warning(
        nullptr, QStringLiteral("Bandalyx"),
        QStringLiteral("No installed font can draw Korean (Hangul) text, so the captions of "
                       "Bandalyx cannot be read.\n\n"
                       "Install the package fonts-nanum (Debian, Ubuntu) or any Korean font, "
                       "then start Bandalyx again."));
}

} // namespace app
