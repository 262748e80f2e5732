#pragma once

#include "calculators/building/finishing.h"
#include "core/calcerror.h"
#include "core/numbers.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tornavel::testing {

inline constexpr int Mm = 1, Cm = 10, Inch = 25, M = 1000; // unit scale codes

inline InputValues In(std::initializer_list<double> values)
{
    InputValues in{};
    std::copy(values.begin(), values.end(), in.begin());
    return in;
}

// The result text, or the terms written again joined as in the formula.
inline QString Shown(const building::FinishingResult& r)
{
    return r.text.isEmpty() ? NumberToText(r.value, QStringLiteral(",")) : r.text;
}
inline QString Terms(const building::FinishingResult& r)
{
    QStringList terms;
    for (const building::Term& t : r.terms)
        terms << (t.text.isEmpty() ? NumberToText(t.number, QStringLiteral(",")) : t.text);
    return terms.join(QLatin1Char('&'));
}

// What the panel shows after "f=": the result, "refused" for the input-error path,
// or the French floating-point error. A result is never infinite or NaN.
template <typename Compute>
QString ShownOrError(Compute compute)
{
    try {
        const building::Outcome outcome = compute();
        if (!outcome)
            return QStringLiteral("refused");
        EXPECT_TRUE(std::isfinite(outcome->value));
        return Shown(*outcome);
    } catch (const CalcError& error) {
        return error.message();
    }
}

} // namespace tornavel::testing
