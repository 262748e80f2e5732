#include "core/options_file.h"

#include <QtEndian>

namespace tornavel {

namespace {

constexpr int kCalculatorCount = 40;

void AppendInt32(QByteArray& out, qint32 value)
{
    char buf[4];
    qToLittleEndian<qint32>(value, buf);
    out.append(buf, 4);
}

bool IsCalculator(qint32 number)
{
    return number >= 0 && number < kCalculatorCount;
}

} // namespace

QByteArray EncodeOptions(const Options& options)
{
    QByteArray out;
    out.reserve(OptionsFileSize);
    AppendInt32(out, options.UnitScaleCode);
    out.append(static_cast<char>(options.UnitDisplayOption != 0 ? 1 : 0));
    AppendInt32(out, options.DefaultCalculator);
    for (int favourite : options.Favourites)
        AppendInt32(out, favourite);
    return out;
}

void DecodeOptions(const QByteArray& bytes, Options& options)
{
    const Options start;
    options.UnitScaleCode = start.UnitScaleCode;
    options.UnitDisplayOption = start.UnitDisplayOption;
    options.DefaultCalculator = start.DefaultCalculator;
    options.Favourites = start.Favourites;

    const char* p = bytes.constData();
    const auto has = [&](int offset, int size) { return bytes.size() >= offset + size; };

    if (has(0, 4)) {
        const qint32 code = qFromLittleEndian<qint32>(p);
        if (code == 1 || code == 10 || code == 25 || code == 1000)
            options.UnitScaleCode = code;
    }
    if (has(4, 1)) {
        const auto display = static_cast<unsigned char>(p[4]);
        if (display <= 1)
            options.UnitDisplayOption = display;
    }
    if (has(5, 4)) {
        const qint32 number = qFromLittleEndian<qint32>(p + 5);
        if (IsCalculator(number))
            options.DefaultCalculator = number;
    }
    for (int k = 0; k < 5; ++k) {
        const int offset = 9 + 4 * k;
        if (!has(offset, 4))
            break;
        const qint32 number = qFromLittleEndian<qint32>(p + offset);
        if (IsCalculator(number))
            options.Favourites[static_cast<size_t>(k)] = number;
    }
}

} // namespace tornavel
