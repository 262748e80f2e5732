#include "core/catalogue.h"

namespace tornavel {

CalculatorKeys& CalculatorKeyTable::operator[](int number)
{
    // A negative number gets a scratch entry that no calculator reads.
    static CalculatorKeys scratch;
    if (number < 0) {
        scratch = {};
        return scratch;
    }
    if (static_cast<size_t>(number) >= keys_.size())
        keys_.resize(static_cast<size_t>(number) + 1);
    return keys_[static_cast<size_t>(number)];
}

const CalculatorKeys& CalculatorKeyTable::operator[](int number) const
{
    static const CalculatorKeys none;
    if (number < 0 || static_cast<size_t>(number) >= keys_.size())
        return none;
    return keys_[static_cast<size_t>(number)];
}

} // namespace tornavel
