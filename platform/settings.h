#pragma once

#include <QString>

namespace tornavel {

// The value of "Redimensionnable" in section "Comportement fenetre" of the settings
// file, "O" when the file, the section or the key is missing.
QString ReadWindowBehaviour(const QString& settingsPath);

// Sets `key` in `section` of the settings file as IniFile::WriteString does, first making
// the folder that holds it when missing (the user's configuration folder is made only
// when something is written there).
bool WriteSetting(const QString& settingsPath, const QString& section, const QString& key, const QString& value);

} // namespace tornavel
