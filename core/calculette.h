#pragma once

#include "core/state.h"

#include <array>
#include <deque>

namespace tornavel {

// The record of one open calculator. Panels are named by calculator number: the
// record's panel, result field and formula field are those of panel Number; Target
// is the number of the calling calculator whose result field receives this one's
// result, or -1.
struct TCalculette {
    int Number = 0;
    std::deque<int> OfferedCalculators;
    int Target = -1;
    bool ClearOnDestroy = false;
    int TermIndex = 0;
    std::array<double, MaxInputs> Inputs{};

    TCalculette() = default;
    TCalculette(int number, int target) : Number(number), Target(target) {}
};

} // namespace tornavel
