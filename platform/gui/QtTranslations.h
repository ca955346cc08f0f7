#pragma once
// Qt's own texts (standard buttons, the file, folder and colour dialogs) in
// Japanese, like the rest of the interface, whatever the user's locale.
class QTranslator;

namespace platform {

// Loads "qtbase_ja" from Qt's translations folder into translator and
// installs it in the application; false when it is not installed.
bool InstallQtTranslations(QTranslator& translator);

}  // namespace platform
