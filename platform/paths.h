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

// The directory of the help pages and tips (its "Aide" folder), ending with "/": the
// program's own directory when the folder is there (the build tree), else the data
// directory where the install puts it ("../share/tornavel/" from the program) when it is
// there, else the program's own directory.
QString HelpDirectory(const QString& programDirectory);
QString HelpDirectory();

// Full name of the helper program `name`: beside the program when it is there (the build
// tree), else in the directory where the install puts it ("../lib/tornavel/" from the
// program) when it is there, else beside the program.
QString HelperProgramPath(const QString& programDirectory, const QString& name);

// Full name of the settings file "tornavel.ini" that the programs write, the same for
// both: in the program directory when that directory is writable, else in "tornavel/"
// under the user's configuration directory. Creates nothing: WriteSetting makes the
// folder when it writes.
QString SettingsWritePath();
// Full name of the settings file that the programs read: the one they write when it
// exists, else the one beside the program (a default left there by whoever installed it).
QString SettingsReadPath();

// The same choices for given directories; `configDirectory` is the user's
// configuration directory itself (without "tornavel/").
QString SettingsWritePath(const QString& programDirectory, const QString& configDirectory);
QString SettingsReadPath(const QString& programDirectory, const QString& configDirectory);

// The address handed to the desktop's browser: a web address, or a file address as
// HelpLinks::HelpPageUrl writes it (its escaped characters, such as a "#" in a directory
// name, read back as the characters they stand for).
QUrl DesktopUrl(const QString& address);

} // namespace tornavel
