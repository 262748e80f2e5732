#pragma once

#include <QLocale>
#include <QString>

namespace tornavel {

// The user's decimal separator, from the user's locale; "," when the locale
// gives none, so that a separator typed by the user is never lost.
QString ReadDecimalSeparator();
QString ReadDecimalSeparator(const QLocale& locale);

// `separator`, or "," when it is empty.
QString DecimalSeparatorOrComma(const QString& separator);

} // namespace tornavel
