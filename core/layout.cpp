#include "core/layout.h"

namespace tornavel {

WindowPosition CentredOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

MessageFormGeometry MessageFormLayout(int mainLeft, int mainTop, int mainWidth, int lines)
{
    MessageFormGeometry g;
    g.width = MessageFormWidth;
    g.top = mainTop + 100;
    g.left = mainLeft + (mainWidth - MessageFormWidth) / 2;
    g.height = 63;
    g.buttonTop = 26;
    for (int line = 2; line <= lines; ++line) {
        g.height += 12;
        g.buttonTop += 12;
    }
    return g;
}

QString ErrorBoxText(const QString& message)
{
    if (message.isEmpty())
        return message;
    const QChar last = message.back();
    if (last == QLatin1Char('.') || last == QLatin1Char('!') || last == QLatin1Char('?'))
        return message;
    return message + QLatin1Char('.');
}

} // namespace tornavel
