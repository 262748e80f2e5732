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

QString SettingsFilePath()
{
    return SettingsFilePath(ProgramDirectory(),
                            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString SettingsFilePath(const QString& programDirectory, const QString& configDirectory)
{
    const QString inProgramDirectory = WithTrailingSeparator(programDirectory) + kSettingsFileName;
    const QFileInfo program(programDirectory);
    // Without a configuration directory there is nowhere better; a write to
    // the program directory then fails and says so, rather than landing in "/".
    if ((program.isDir() && program.isWritable()) || configDirectory.isEmpty())
        return inProgramDirectory;
    const QString folder = WithTrailingSeparator(configDirectory) + QStringLiteral("tornavel/");
    QDir().mkpath(folder);
    return folder + kSettingsFileName;
}

QUrl DesktopUrl(const QString& address)
{
    return QUrl(address, QUrl::TolerantMode);
}

} // namespace tornavel
