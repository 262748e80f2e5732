#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tornavel {

namespace {

const QString kSettingsFileName = QStringLiteral("tornavel.ini");

QString WithTrailingSeparator(const QString& directory)
{
    if (directory.endsWith(u'/') || directory.endsWith(u'\\'))
        return directory;
    return directory + u'/';
}

// The user's configuration directory (~/.config), not created.
QString ConfigDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The directory, ending with "/", that holds `name`: the program's own when it is there,
// else `installed` (relative to the program's) when it is there, else the program's own.
QString DirectoryHolding(const QString& programDirectory, const QString& installed, const QString& name)
{
    const QString beside = WithTrailingSeparator(programDirectory);
    if (QFileInfo::exists(beside + name))
        return beside;
    const QString elsewhere = WithTrailingSeparator(QDir::cleanPath(beside + installed));
    return QFileInfo::exists(elsewhere + name) ? elsewhere : beside;
}

} // namespace

QString DirectoryOfPath(const QString& path)
{
    const qsizetype last = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return last < 0 ? QString() : path.left(last + 1);
}

QString ProgramDirectory()
{
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString HelpDirectory(const QString& programDirectory)
{
    return DirectoryHolding(programDirectory, QStringLiteral(TORNAVEL_INSTALLED_DATA_DIR), QStringLiteral("Aide"));
}

QString HelpDirectory()
{
    return HelpDirectory(ProgramDirectory());
}

QString HelperProgramPath(const QString& programDirectory, const QString& name)
{
    return DirectoryHolding(programDirectory, QStringLiteral(TORNAVEL_INSTALLED_HELPER_DIR), name) + name;
}

QString SettingsWritePath()
{
    return SettingsWritePath(ProgramDirectory(), ConfigDirectory());
}

QString SettingsReadPath()
{
    return SettingsReadPath(ProgramDirectory(), ConfigDirectory());
}

QString SettingsWritePath(const QString& programDirectory, const QString& configDirectory)
{
    const QFileInfo program(programDirectory);
    // Without a configuration directory there is nowhere better; a write to
    // the program directory then fails and says so, rather than landing in "/".
    if ((program.isDir() && program.isWritable()) || configDirectory.isEmpty())
        return WithTrailingSeparator(programDirectory) + kSettingsFileName;
    return WithTrailingSeparator(configDirectory) + QStringLiteral("tornavel/") + kSettingsFileName;
}

QString SettingsReadPath(const QString& programDirectory, const QString& configDirectory)
{
    const QString written = SettingsWritePath(programDirectory, configDirectory);
    return QFileInfo(written).isFile() ? written : WithTrailingSeparator(programDirectory) + kSettingsFileName;
}

QUrl DesktopUrl(const QString& address)
{
    return QUrl(address, QUrl::TolerantMode);
}

} // namespace tornavel
