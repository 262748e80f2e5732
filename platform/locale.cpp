#include "platform/locale.h"

namespace tornavel {

QString ReadDecimalSeparator()
{
    return ReadDecimalSeparator(QLocale::system());
}

QString ReadDecimalSeparator(const QLocale& locale)
{
    return DecimalSeparatorOrComma(locale.decimalPoint());
}

QString DecimalSeparatorOrComma(const QString& separator)
{
    return separator.isEmpty() ? QStringLiteral(",") : separator;
}

} // namespace tornavel
