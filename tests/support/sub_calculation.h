#pragma once

#include "core/engine.h"
#include "tests/support/engine_parts.h"

#include <gtest/gtest.h>

namespace tornavel {

// Double-clicks the row of the sub-calculation list that offers calculator n.
inline void OpenSubCalculation(Engine& engine, int n)
{
    const auto& offered = Parts(engine).stack.Top().OfferedCalculators;
    for (size_t row = 0; row < offered.size(); ++row) {
        if (offered[row] == n) {
            engine.LbCalculettesDblClick(static_cast<int>(row));
            return;
        }
    }
    FAIL() << "calculator " << n << " is not offered";
}

} // namespace tornavel
