#include "app/look.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QMessageBox>

#include "app/translation.h"

namespace app {

namespace {

constexpr int DialogPixelSize = 12;

// The families to use first, by any of their names, where they draw Hangul: on Windows the
// platform's own dialog font (Korean Windows gives one that does), then the Korean faces every
// Windows has; and the family the captions were laid out with. The dialog font may be a name
// Windows maps to a face of its locale ("MS Shell Dlg"): it counts only where the database says
// that it draws Hangul itself, not where the font mapper merely falls back on a face that does.
struct Preferred
{
    QString name;
    bool mustDrawHangulItself;
};

QList<Preferred> preferredFamilies()
{
    const Preferred laidOutWith {QStringLiteral("NanumGothic"), false};
#ifdef Q_OS_WIN
    return {{QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(), true},
            {QStringLiteral("Malgun Gothic"), false},
            {QStringLiteral("Gulim"), false},
            laidOutWith};
#else
    return {laidOutWith};
#endif
}

// The last word of a pan-CJK family's name says the region it is made for.
constexpr std::array KoreanMarks {"KR", "K", "Korean"};
constexpr std::array OtherRegionMarks {"JP", "J", "SC", "TC", "HK", "CN", "TW", "MO"};

bool lastWordIsOneOf(const QString &name, const auto &marks)
{
    const QString last = name.section(u' ', -1);
    return std::any_of(marks.begin(), marks.end(),
                       [&](const char *mark) { return last == QLatin1String(mark); });
}

bool hasHangul(const QString &name)
{
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c.script() == QChar::Script_Hangul; });
}

// 0 for a face made for Korean: named so (in Korean, or as a pan-CJK family's Korean member),
// or drawing Hangul but neither Japanese nor Chinese and not named for another region.
// 1 for a face made for another script that draws Hangul too.
int madeForAnotherScript(const HangulFamily &f)
{
    if (hasHangul(f.name) || lastWordIsOneOf(f.name, KoreanMarks))
        return 0;
    return f.drawsJapaneseOrChinese || lastWordIsOneOf(f.name, OtherRegionMarks) ? 1 : 0;
}

bool draws(const QString &family, QFontDatabase::WritingSystem system)
{
    return QFontDatabase::writingSystems(family).contains(system);
}

// A preferred family, found by whichever of its names it goes by here (Windows lists its
// families by their Korean names in a Korean locale, fontconfig in any Korean one); then the
// best of the others that draw Hangul.
QString hangulFamily()
{
    for (const Preferred &preferred : preferredFamilies()) {
        if (preferred.name.isEmpty() || !QFontDatabase::hasFamily(preferred.name)
            || (preferred.mustDrawHangulItself && !draws(preferred.name, QFontDatabase::Korean)))
            continue;
        // The family the name stands for here, by whichever of its names the database knows.
        const QString family = QFontInfo(QFont(preferred.name)).family();
        if (draws(family, QFontDatabase::Korean))
            return family;
    }
    QList<HangulFamily> others;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Korean)) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        others.append({family,
                       draws(family, QFontDatabase::Japanese)
                           || draws(family, QFontDatabase::SimplifiedChinese)
                           || draws(family, QFontDatabase::TraditionalChinese),
                       QFontDatabase::isFixedPitch(family)});
    }
    return bestHangulFamily(others);
}

} // namespace

QString bestHangulFamily(const QList<HangulFamily> &families)
{
    // A face made for Korean first; among equals a proportional face before a fixed-pitch one,
    // so captions keep roughly their widths; then in the order given.
    const auto rank = [](const HangulFamily &f) {
        return std::pair(madeForAnotherScript(f), f.fixedPitch ? 1 : 0);
    };
    const auto best = std::min_element(
        families.begin(), families.end(),
        [&](const HangulFamily &a, const HangulFamily &b) { return rank(a) < rank(b); });
    return best == families.end() ? QString() : best->name;
}

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
