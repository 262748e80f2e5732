#include "chooser/choice.h"

#include "platform/settings.h"

#include <QDir>

namespace tornavel::verolan {

QString ProgramTitle()
{
    return QStringLiteral("Verolan");
}

QString WindowCaption()
{
    return QStringLiteral("Comportement de la fenêtre de Tornavel");
}

QStringList MemoLines()
{
    // The spelling and the blanks at line ends are the program's own text.
    return {
        QStringLiteral("Attention !"),
        QString(),
        QStringLiteral("Par défaut, la fenêtre de Tornavel est non redimensionnable. Cela peut poser des "),
        QStringLiteral("problèmes d'affichage avec certaines configurations exotiques de Windows."),
        QString(),
        QStringLiteral("Si vous souhaitez que Tornavel soit redimensionnable, cochez l'option \"Fenêtre "),
        QStringLiteral("redimensionnable\". "),
        QString(),
        QStringLiteral("Vous pouvez aussi après l'installation, modifier le paramétrage du fichier "),
        QStringLiteral("\"tornavel.ini\" ce trouvant dans le répertoire de Tornavel en donnant au "),
        QStringLiteral("paramètre \"Redimensionnable\" la valeur \"O\" (Oui) ou n \"N\" (Non) exemple : "),
        QStringLiteral("Redimensionnable=O, puis en sauvegardant la modification."),
    };
}

QString ChoiceFor(bool resizable)
{
    return resizable ? QStringLiteral("O") : QStringLiteral("N");
}

QString NoChoiceText()
{
    return QStringLiteral("Vous devez sélectionner une option !");
}

QString NoChoiceCaption()
{
    return QStringLiteral("Choix non valide");
}

QString WriteFailureText(const QString& settingsPath)
{
    return QStringLiteral("Impossible d'écrire dans %1").arg(QDir::toNativeSeparators(settingsPath));
}

bool WriteWindowBehaviour(const QString& settingsPath, const QString& choice)
{
    return WriteSetting(settingsPath, QStringLiteral("Comportement fenetre"), QStringLiteral("Redimensionnable"),
                        choice);
}

int CentredOrigin(int screenSize, int windowSize)
{
    return screenSize / 2 - windowSize / 2;
}

} // namespace tornavel::verolan
