#pragma once

#include <QString>
#include <QUrl>

namespace tornavel {

// The part of `path` up to and including its last separator ("\" or "/"),
// or "" when it holds none.
QString DirectoryOfPath(const QString& path);

// The directory of the running program, ending with "/". Needs the
// application object.
QString ProgramDirectory();

// Full name of the settings file "tornavel.ini", the same for both programs:
// in the program directory when that directory is writable, else in
// "tornavel/" under the user's configuration directory, which is created.
QString SettingsFilePath();

// The same choice for given directories; `configDirectory` is the user's
// configuration directory itself (without "tornavel/").
QString SettingsFilePath(const QString& programDirectory, const QString& configDirectory);

// The address handed to the desktop's browser: a web address, or a file address as
// HelpLinks::HelpPageUrl writes it (its escaped characters, such as a "#" in a directory
// name, read back as the characters they stand for).
QUrl DesktopUrl(const QString& address);

} // namespace tornavel
