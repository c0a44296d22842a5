#pragma once

// What every window of the program shares, set once for the application.
namespace app {

// The dialog font, the program's icon and, where Hangul can be drawn, Qt's texts in Korean;
// returns useDialogFont()'s answer.
bool useProgramLook();

// The program's icon, for every window that sets none of its own.
void useProgramIcon();

// Makes the application font the dialog font every caption uses: on Windows the platform's
// dialog font where it draws Hangul, else Malgun Gothic; elsewhere NanumGothic where it is
// installed; otherwise another installed family that draws Hangul; at the 12 px dialogs use at
// 96 dpi. Returns false when no installed family draws Hangul; the font is set regardless.
bool useDialogFont();

// Tells the user that Korean captions cannot be drawn and which package mends it: one line on
// standard error and a message box worded so that it reads without a Hangul font.
void warnNoHangulFont();

} // namespace app
