#include "core/numbers.h"

#include "core/calcerror.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tornavel {

QString InvalidOperationMessage() { return QStringLiteral("Opération en virgule flottante incorrecte"); }
QString DivisionByZeroMessage() { return QStringLiteral("Division par zéro en virgule flottante"); }
QString OverflowMessage() { return QStringLiteral("Débordement en virgule flottante"); }

long double CheckedValue(long double value)
{
    if (std::isnan(value))
        throw CalcError(InvalidOperationMessage());
    if (std::isinf(value))
        throw CalcError(OverflowMessage());
    return value;
}

long double CheckedDivide(long double a, long double b)
{
    if (b == 0.0L) {
        if (a == 0.0L || std::isnan(a))
            throw CalcError(InvalidOperationMessage());
        throw CalcError(DivisionByZeroMessage());
    }
    return CheckedValue(a / b);
}

double ToDouble(long double value)
{
    CheckedValue(value);
    const double d = static_cast<double>(value);
    if (std::isinf(d))
        throw CalcError(OverflowMessage());
    return d;
}

QString NumberToText(long double value, const QString& separator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0.0L)
        return QStringLiteral("0"); // also for -0

    // Fifteen significant digits, correctly rounded: d.ddddddddddddddde±x
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string s(buf, res.ptr);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const auto ePos = s.find('e');
    const int exponent = std::stoi(s.substr(ePos + 1));
    std::string digits;
    for (char c : s.substr(0, ePos))
        if (c != '.')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const QString sep = separator;
    QString out = negative ? QStringLiteral("-") : QString();
    const int pointPos = exponent + 1; // digits before the separator
    if (pointPos >= -3 && pointPos <= 15) {
        if (pointPos <= 0) {
            out += QLatin1Char('0') + sep + QString(-pointPos, QLatin1Char('0'))
                   + QString::fromLatin1(digits.c_str());
        } else if (static_cast<int>(digits.size()) <= pointPos) {
            out += QString::fromLatin1(digits.c_str())
                   + QString(pointPos - static_cast<int>(digits.size()), QLatin1Char('0'));
        } else {
            out += QString::fromLatin1(digits.substr(0, pointPos).c_str()) + sep
                   + QString::fromLatin1(digits.substr(pointPos).c_str());
        }
    } else {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            out += sep + QString::fromLatin1(digits.substr(1).c_str());
        out += QLatin1Char('E') + QString::fromLatin1(std::to_string(exponent).c_str());
    }
    return out;
}

namespace {

// Parses the strict number grammar; returns false when the text is not a number.
// On success 'ascii' holds the number with '.' as separator, ready for from_chars.
bool ParseNumberText(const QString& text, const QString& separator, std::string& ascii)
{
    int i = 0;
    const int n = text.size();
    auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (i < n && isBlank(text[i]))
        ++i;
    int end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;
    ascii.clear();
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int digitCount = 0;
    bool seenSeparator = false;
    while (i < end) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ascii += static_cast<char>(c.unicode());
            ++digitCount;
            ++i;
        } else if (!separator.isEmpty() && !seenSeparator
                   && QStringView(text).mid(i, separator.size()) == separator) {
            ascii += '.';
            seenSeparator = true;
            i += separator.size();
        } else {
            break;
        }
    }
    if (digitCount == 0)
        return false;
    if (i < end && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ascii += 'e';
        ++i;
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            if (text[i] == QLatin1Char('-'))
                ascii += '-';
            ++i;
        }
        int expDigits = 0;
        while (i < end && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
            ascii += static_cast<char>(text[i].unicode());
            ++expDigits;
            ++i;
        }
        if (expDigits == 0)
            return false;
    }
    return i == end;
}

} // namespace

bool IsNumberText(const QString& text, const QString& separator)
{
    std::string ascii;
    return ParseNumberText(text, separator, ascii);
}

long double TextToNumber(const QString& text, const QString& separator)
{
    std::string ascii;
    if (!ParseNumberText(text, separator, ascii))
        throw CalcError(QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(text));
    long double value = 0;
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    auto res = std::from_chars(first, last, value);
    if (res.ec == std::errc::result_out_of_range) {
        // Tiny values underflow silently to zero; huge ones overflow.
        const auto e = ascii.find('e');
        if (e != std::string::npos && ascii[e + 1] == '-')
            return 0.0L;
        throw CalcError(OverflowMessage());
    }
    if (res.ec != std::errc() || res.ptr != last)
        throw CalcError(QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(text));
    return value;
}

} // namespace tornavel
