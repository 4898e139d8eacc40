#pragma once
// Qt's own dialogs and menus (file dialogs, the replace question, the edit
// fields' context menu) in Japanese.

namespace vadelon {

// Loads Qt's Japanese translations whatever the locale, since every other
// word of the interface is Japanese; false when they are not installed.
bool InstallQtJapanese();

}  // namespace vadelon
