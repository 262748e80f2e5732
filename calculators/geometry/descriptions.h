#pragma once

// The geometry calculators (1-16, 20 and 22) as data: each one's row (what it asks
// for, its prompts, its result label and code), how it checks its inputs and which
// formula it computes. One engine (steps.cpp, undo.cpp) runs every calculator from
// these descriptors.

#include "core/description.h"

#include <vector>

namespace tornavel {

namespace geometry {
// The codes that the compute keys leave in LastKeyCode and KeyClass after a result.
inline constexpr int LengthResultCode = 11;
inline constexpr int AreaResultCode = 12;
inline constexpr int VolumeResultCode = 13;
inline constexpr int PolygonResultCode = 36;
} // namespace geometry

// Input values by term index, as the formulas and checks see them.
using GeometryValues = InputValues;

// The formula: the result from the inputs (after any list choice is turned into its
// value), rounded to a double. Raises CalcError on an invalid operation or overflow.
using GeometryFormula = double (*)(const GeometryValues& inputs);

// A check of the input being closed by "&&": k is its index, value its value. True
// when accepted.
using GeometryNextTermCheck = bool (*)(const GeometryValues& inputs, int k, double value);

// A check made by "f=" on all inputs, the last one included. True when accepted.
using GeometryComputeCheck = bool (*)(const GeometryValues& inputs, int unitScaleCode);

struct GeometryCalculator {
    // What the calculator is: number, title, help page, menu item, inputs and
    // prompts, result label and code, and its keys (GeometryKeys).
    CalculatorDescription description{};
    GeometryFormula formula = nullptr;
    GeometryNextTermCheck nextTermCheck = nullptr;
    GeometryComputeCheck computeCheck = nullptr;
    // Single input only: tidy the typed number before reading it.
    bool normalizesEntry = false;
    // "f=" reads the last term from the fields even during a replay, and checks it
    // before storing it.
    bool rereadsLastTerm = false;
    // The result does not go into the memory register.
    bool keepsMemory = false;

    int number() const { return description.number; }
    int inputCount() const { return description.inputCount(); }
    // The input chosen in the list instead of typed (-1: none). While it is open the
    // list replaces the result field and the keypad is off.
    int listInput() const { return description.replayList(); }
};

// The descriptor of calculator `number`, or nullptr for a calculator outside the family.
const GeometryCalculator* FindGeometryCalculator(int number);

// The descriptors, in calculator-number order.
const std::vector<GeometryCalculator>& GeometryCalculators();

// The rows of the polygon's list: its side counts as integer texts.
QStringList PolygonSideRows(const InputValues& closed, const QString& separator);

} // namespace tornavel
