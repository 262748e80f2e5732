#pragma once

// What the electrical calculators (32-34) and the converters (35-38) share: the
// answer of a compute step, the answer of an input check, the reading of a stored
// list choice and of a shared option selection, and the hooks one such calculator
// hands to the input protocol. These calculators work in fixed units (volts, amperes,
// square millimetres, per cent, kilograms, cubic decimetres...): no unit suffix and no
// unit factor ever applies to their inputs or results.

#include "core/description.h"

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

// The message of a lookup without answer.
QString NoValueMessage(); // "Aucun résultat valide pour ces paramètres !"

// The value rounded to 15 significant digits, the precision of every number shown:
// a whole count or a cut-off taken on it keeps a value that is whole or exact on
// screen (1233,99999999999999 is 1234). Not-finite values are returned unchanged.
long double RoundedTo15Digits(long double value);

// The row of a list of `count` rows that a stored choice names: its integer part,
// taken on the value rounded to 15 significant digits; none for a value that is not
// finite or names no row (a damaged history entry), so nothing is read outside.
std::optional<int> StoredChoice(double stored, int count);

// The calculator's own option for a selection shared with calculators that have
// more options: the selection where this calculator has it, else its first option.
int OwnOption(int sharedSelection, int optionCount);

// What one calculator adds to the input protocol.
struct Hooks {
    // The "&&" check of the input `inputIndex` with the inputs closed before it.
    InputCheck (*check)(double value, int inputIndex, const InputValues& closed) = nullptr;
    // "f=" from the stored inputs (list choices as row indexes) and the shared option
    // selection (ignored by the calculators without option buttons). May raise
    // CalcError where the calculator leaves floating-point errors to the error box.
    Result (*compute)(const InputValues& inputs, int sharedSelection) = nullptr;
    // The option shown checked and computed for a shared selection; nullptr without
    // option buttons.
    int (*ownOption)(int sharedSelection) = nullptr;
    // The terms written between the parentheses of the formula, written again from
    // the stored inputs; nullptr where the formula text as entered is the terms text.
    QString (*terms)(const InputValues& inputs, const QString& separator) = nullptr;
};

} // namespace tornavel::fixedunits
