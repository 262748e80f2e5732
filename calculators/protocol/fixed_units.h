#pragma once

// What the electrical calculators (32-34) and the converters (35-38) share: the
// answer of a compute step and of an input check, computed from the stored inputs
// alone, the reading of a stored list choice and of a shared option selection, and
// the adapters that hand such formulas to the input protocol. These calculators work
// in fixed units (volts, amperes, square millimetres, per cent, kilograms, cubic
// decimetres...): no unit suffix and no unit factor ever applies to their inputs or
// results.

#include "calculators/protocol/protocol.h"

#include <QString>

#include <optional>
#include <utility>

namespace tornavel::fixedunits {

// The answer of the "&&" check of one input.
enum class InputCheck {
    Accepted,
    InputError, // the input-error path: CE routine, then "Erreur de saisie : Valeur non valide !"
};

// The answer of a compute step, computed from the stored inputs alone.
struct Result {
    enum class Kind {
        Value,      // a result to show
        NoValue,    // a lookup without answer: `text` "#NV", the memory register untouched
        InputError, // the compute step refuses: the input-error path
        Nothing,    // a stored choice outside its table: nothing is computed or shown
    };

    Kind kind = Kind::Nothing;
    double value = 0.0;
    QString text;           // the result text where it is not the number's own text ("#NV")
    bool toMemory = false;  // MemoryValue := value
    int formulaLabel = -1;  // string number of the label written before "(" in the formula
    int shownLabel = -1;    // string number of the label shown with the result
    QString shownSuffix;    // written after the shown label (" (dm3)", " (°C)"); empty where none

    static Result Number(double value, int formulaLabel, int shownLabel, QString shownSuffix = {})
    {
        return {Kind::Value, value, {}, true, formulaLabel, shownLabel, std::move(shownSuffix)};
    }
    static Result NoAnswer(int formulaLabel, int shownLabel)
    {
        return {Kind::NoValue, 0.0, QStringLiteral("#NV"), false, formulaLabel, shownLabel, {}};
    }
    static Result Refused() { return {Kind::InputError, 0.0, {}, false, -1, -1, {}}; }
    static Result None() { return {}; }
};

// The row of a list of `count` rows that a stored choice names: its integer part, as
// the formula and the history read it; none for a value that is not finite or names
// no row (a damaged history entry), so that nothing is read outside the list.
std::optional<int> StoredChoice(double stored, int count);

// The calculator's own option for a selection shared with calculators that have
// more options: the selection where this calculator has it, else its first option.
int OwnOption(int sharedSelection, int optionCount);

// ---- Adapters to the input protocol ---------------------------------------------------

using Check = InputCheck (*)(double value, int inputIndex, const InputValues& closed);
using Formula = Result (*)(const InputValues& inputs, int sharedSelection);

// The protocol's outcome of a result: labels read from the string table. A result
// that computes nothing is a refusal, which the calculators that cannot refuse
// drop silently.
ProtocolOutcome Outcome(const Result& result, const ProtocolCall& call);

// The protocol hooks of a check and of a formula.
template <Check check>
bool AcceptsInput(const ProtocolCall& call, int k, double value)
{
    return check(value, k, call.inputs) == InputCheck::Accepted;
}

template <Formula formula>
ProtocolOutcome Compute(const ProtocolCall& call)
{
    return Outcome(formula(call.inputs, call.variant), call);
}

} // namespace tornavel::fixedunits
