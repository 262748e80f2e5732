#pragma once

// Helpers of the tests of the calculators in fixed units (32-38).

#include "calculators/protocol/fixed_units.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tornavel::testing {

inline const QString Comma = QStringLiteral(",");
inline constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Stored inputs by term index; the others 0.
inline InputValues Inputs(std::initializer_list<double> values)
{
    InputValues inputs{};
    std::copy(values.begin(), values.end(), inputs.begin());
    return inputs;
}

// The result text as the calculator shows it, with a decimal comma.
inline QString Text(const fixedunits::Result& r)
{
    return r.text.isEmpty() ? NumberToText(r.value, Comma) : r.text;
}

} // namespace tornavel::testing
