#pragma once

#include "core/engine.h"
#include "tests/support/engine_view.h"

#include <gtest/gtest.h>

namespace tornavel {

// Double-clicks the row of the sub-calculation list that offers calculator n.
inline void OpenSubCalculation(Engine& engine, int n)
{
    const auto& offered = Seen(engine).stack.Top().OfferedCalculators;
    for (size_t row = 0; row < offered.size(); ++row) {
        if (offered[row] == n) {
            engine.LbCalculettesDblClick(static_cast<int>(row));
            return;
        }
    }
    FAIL() << "calculator " << n << " is not offered";
}

// The standard calculator opened as a sub-calculation hands `result` back with OK: the
// calculator on screen is laid out again with a returned value.
inline void HandBack(Engine& engine, const QString& result)
{
    OpenSubCalculation(engine, 0);
    for (const QChar key : result)
        engine.FormKeyPress(key);
    engine.POk0Click();
}

// The standard calculator opened as a sub-calculation closes with OK on a negative
// result, which it does not hand back: the calculator on screen is laid out again as
// it was.
inline void LayOutAgain(Engine& engine)
{
    OpenSubCalculation(engine, 0);
    for (const QChar key : QStringLiteral("0-1="))
        engine.FormKeyPress(key);
    engine.POk0Click();
}

} // namespace tornavel
