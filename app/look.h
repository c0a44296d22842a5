#pragma once

#include <QList>
#include <QString>

// What every window of the program shares, set once for the application.
namespace app {

// The dialog font, the program's icon and, where Hangul can be drawn, Qt's texts in Korean;
// returns useDialogFont()'s answer.
bool useProgramLook();

// The program's icon, for every window that sets none of its own.
void useProgramIcon();

// Makes the application font the dialog font every caption uses: on Windows the platform's
// dialog font where it draws Hangul, else Malgun Gothic, else Gulim; then NanumGothic, by its
// English or Korean name; otherwise bestHangulFamily() of the installed families that draw
// Hangul; at the 12 px dialogs use at 96 dpi. Returns false when no installed family draws
// Hangul; the font is set regardless.
bool useDialogFont();

// What the font choice knows of an installed family that draws Hangul.
struct HangulFamily
{
    QString name;
    bool drawsJapaneseOrChinese;
    bool fixedPitch;
};

// The family to take when none of the preferred ones is installed: a face made for Korean (the
// Korean member of a pan-CJK family, or a face that draws Hangul alone) before any face made
// for another script, a proportional face before a fixed-pitch one, else the first given.
// Empty for an empty list.
QString bestHangulFamily(const QList<HangulFamily> &families);

// Tells the user that Korean captions cannot be drawn and which package mends it: one line on
// standard error and a message box worded so that it reads without a Hangul font.
void warnNoHangulFont();

} // namespace app
