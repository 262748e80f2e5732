#pragma once

#include "calculators/building/finishing.h"
#include "core/calcerror.h"
#include "core/numbers.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tornavel::testing {

// Unit scale codes.
inline constexpr int Mm = 1, Cm = 10, Inch = 25, M = 1000;

inline InputValues In(std::initializer_list<double> values)
{
    InputValues in{};
    int i = 0;
    for (double v : values)
        in[static_cast<size_t>(i++)] = v;
    return in;
}

// The result as the panel shows it.
inline QString Shown(const building::FinishingResult& r)
{
    return r.text.isEmpty() ? NumberToText(r.value, QStringLiteral(",")) : r.text;
}

// The terms that the computation writes again, joined as in the formula.
inline QString Terms(const building::FinishingResult& r)
{
    QStringList terms;
    for (const building::Term& t : r.terms)
        terms << (t.text.isEmpty() ? NumberToText(t.number, QStringLiteral(",")) : t.text);
    return terms.join(QLatin1Char('&'));
}

// Runs a computation that may raise a French floating-point error and returns the
// text shown: the result, "refused" for the input-error path, or the error message.
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
