#pragma once

namespace app {

// Qt's own texts (the text boxes' context menus, the buttons of message boxes) in Korean, as
// every other text of the interface, whatever the user's locale. Returns false when Qt's Korean
// translation is not installed; Qt's texts then stay English.
bool useKoreanQtTexts();

} // namespace app
