#include "platform/settings.h"

#include "platform/inifile.h"

#include <QDir>
#include <QFileInfo>

namespace tornavel {

QString ReadWindowBehaviour(const QString& settingsPath)
{
    return IniFile(settingsPath)
        .ReadString(QStringLiteral("Comportement fenetre"), QStringLiteral("Redimensionnable"),
                    QStringLiteral("O"));
}

bool WriteSetting(const QString& settingsPath, const QString& section, const QString& key, const QString& value)
{
    QDir().mkpath(QFileInfo(settingsPath).absolutePath());
    return IniFile(settingsPath).WriteString(section, key, value);
}

} // namespace tornavel
