#pragma once

// The geometry calculators (1-16, 20 and 22) as data: what each one asks for, how it
// labels its inputs and result, how it checks them and which formula it computes. One
// engine (pattern.cpp, undo.cpp) runs every calculator from these descriptors.

#include "core/options.h"
#include "core/state.h"

#include <array>

namespace tornavel {

// Input values by term index, as the formulas and checks see them.
using GeometryValues = std::array<double, MaxInputs>;

// A prompt or result label: its string number and its unit suffix, appended either
// always or only when units are shown (the unit-suffix rule).
struct GeometryLabel {
    int stringId = 0;
    UnitSuffix suffix = UnitSuffix::None;
    bool always = false;
};

// One CE routine: the prompts of the inputs it walks back through, in input order.
// Calculators whose inputs have the same prompts share a routine.
struct GeometryUndoRoutine {
    const char* name;
    int inputCount;
    std::array<GeometryLabel, 5> prompts;
    // The input chosen in the calculator's list instead of typed (-1: none). While it
    // is open the list replaces the result field and the keypad is off.
    int listInput = -1;
};

// The formula: the result from the inputs (after any list choice is turned into its
// value), rounded to a double. Raises CalcError on an invalid operation or overflow.
using GeometryFormula = double (*)(const GeometryValues& inputs);

// A check of the input being closed by "&&": k is its index, value its value. True
// when accepted.
using GeometryNextTermCheck = bool (*)(const GeometryValues& inputs, int k, double value);

// A check made by "f=" on all inputs, the last one included. True when accepted.
using GeometryComputeCheck = bool (*)(const GeometryValues& inputs, int unitScaleCode);

struct GeometryCalculator {
    int number;
    const GeometryUndoRoutine* undo;   // also gives the inputs and the prompts shown by "&&"
    GeometryLabel result;
    GeometryFormula formula;
    GeometryNextTermCheck nextTermCheck = nullptr;
    GeometryComputeCheck computeCheck = nullptr;
    // Single input only: tidy the typed number before reading it.
    bool normalizesEntry = false;
    // "f=" reads the last term from the fields even during a replay, and checks it
    // before storing it.
    bool rereadsLastTerm = false;
    // The result does not go into the memory register.
    bool keepsMemory = false;

    int inputCount() const { return undo->inputCount; }
};

// The descriptor of calculator `number`, or nullptr for a calculator outside the family.
const GeometryCalculator* FindGeometryCalculator(int number);

// The eighteen descriptors, in calculator-number order.
const std::array<GeometryCalculator, 18>& GeometryCalculators();

// The eleven CE routines.
extern const GeometryUndoRoutine CircleSphereUndo;
extern const GeometryUndoRoutine EllipseUndo;
extern const GeometryUndoRoutine SectorUndo;
extern const GeometryUndoRoutine CylinderUndo;
extern const GeometryUndoRoutine ConeUndo;
extern const GeometryUndoRoutine ParallelogramUndo;
extern const GeometryUndoRoutine TrapezoidUndo;
extern const GeometryUndoRoutine HouseWallsUndo;
extern const GeometryUndoRoutine PyramidUndo;
extern const GeometryUndoRoutine HouseVolumeUndo;
extern const GeometryUndoRoutine PolygonUndo;

} // namespace tornavel
