#include "platform/settings.h"

#include "platform/inifile.h"

namespace tornavel {

QString ReadWindowBehaviour(const QString& settingsPath)
{
    return IniFile(settingsPath)
        .ReadString(QStringLiteral("Comportement fenetre"), QStringLiteral("Redimensionnable"),
                    QStringLiteral("O"));
}

} // namespace tornavel
