#pragma once

#include <QString>

namespace tornavel {

// The value of "Redimensionnable" in section "Comportement fenetre" of the settings
// file, "O" when the file, the section or the key is missing.
QString ReadWindowBehaviour(const QString& settingsPath);

} // namespace tornavel
