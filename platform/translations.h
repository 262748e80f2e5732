#pragma once

class QCoreApplication;

namespace tornavel {

// Loads Qt's own French texts (standard buttons "Oui"/"Non", the context menus of the
// text fields, ...) so that every box of the program speaks French. False when Qt's
// French translation is not installed; the boxes then keep Qt's English words.
bool InstallFrenchTranslations(QCoreApplication& application);

} // namespace tornavel
