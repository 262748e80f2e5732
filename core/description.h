#pragma once

// What one calculator is, written once. Layout, C, CE, the "&&"/"f=" gating, the
// history captions and replay, the keyboard table and the views read these rows; a
// family folder (calculators/<family>/) holds the rows of its calculators next to
// their formulas and hooks, and registers them with the engine.

#include "core/options.h"
#include "core/state.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace tornavel {

// Input values by term index, as stored in the calculator record (a list choice is
// its row index).
using InputValues = std::array<double, MaxInputs>;

// When a unit suffix follows a prompt or a result label.
enum class SuffixShown {
    ByRule, // when units are shown (always, or as a sub-calculation of a calculator that shows them)
    Always,
};

// A prompt or a result label: its string number and its unit suffix.
struct Label {
    int stringId = -1;                  // -1: no label
    UnitSuffix suffix = UnitSuffix::None;
    SuffixShown shown = SuffixShown::ByRule;
};

// The rows of a list input, given the inputs already closed (the points of a circuit
// depend on the circuit chosen before) and the decimal separator of number rows.
using ListRowsFunction = QStringList (*)(const InputValues& closed, const QString& separator);

// One input of a calculator, in input order.
struct InputDescription {
    Label prompt;
    bool list = false;                  // chosen in ListBoxN instead of typed
    ListRowsFunction rows = nullptr;    // list input: the rows shown
    ListRowsFunction shortTexts = nullptr; // list input: the formula terms; nullptr: the rows
    bool centimetres = false;           // a length that the formula takes in centimetres
};

// The detail that follows a history caption's "Title: " when the calculator's first
// input says too little (the function of calculator 39); nullptr: the first input.
using HistoryDetailFunction = QString (*)(const InputValues& inputs, const QString& terms);

// A typed input and a list input, for writing the rows.
inline InputDescription TypedInput(Label prompt, bool centimetres = false)
{
    InputDescription input;
    input.prompt = prompt;
    input.centimetres = centimetres;
    return input;
}
inline InputDescription ListInput(Label prompt, ListRowsFunction rows, ListRowsFunction shortTexts = nullptr)
{
    InputDescription input;
    input.prompt = prompt;
    input.list = true;
    input.rows = rows;
    input.shortTexts = shortTexts;
    return input;
}

// One option button (RbtnCiment ...) with its caption and the name of its handler.
struct OptionButton {
    const char* name = nullptr;         // objectName
    QString caption;
    const char* handler = nullptr;      // RbtnCimentClick
};

// The option buttons of a calculator and the variant selection they write, which
// calculators may share (28/29, 32/33, 36/37/38).
struct OptionGroup {
    std::vector<OptionButton> buttons;
    int VariantSelections::*selection = nullptr;
    // The button that stands for a shared selection, for calculators that lack some
    // of the options of the calculators sharing it; nullptr: the selection itself,
    // and none checked for a selection beyond the buttons.
    int (*ownOption)(int sharedSelection) = nullptr;
};

// The names of the calculator's key handlers, so that a reader finds a button's rule
// by its name.
struct HandlerNames {
    const char* compute = nullptr;      // PCalculNClick
    const char* nextTerm = nullptr;     // PEtNClick
    const char* listChoice = nullptr;   // ListBoxNClick
    const char* undo = nullptr;         // the CE routine (UndoConcreteInput ...)
};

struct CalculatorDescription {
    int number = -1;
    int resultCode = Code::None;        // left in LastKeyCode/KeyClass by a result
    std::vector<InputDescription> inputs; // empty for the keypad calculators 0 and 39
    Label result;                       // label shown with the result
    OptionGroup options;
    HandlerNames handlers;
    bool hasNextKey = true;             // PEtN (absent on the one-input calculators)
    QString computeHint;                // hint of PCalculN

    // The label of the result inside the formula ("Peinture(...)=") when it differs
    // from the one shown beside the result ("Peinture (litres)"); -1: the same.
    int formulaLabelId = -1;
    // C also puts the option selection back to the first button (21, 23).
    bool clearResetsOption = false;
    // The history replay refills the list of this input (-1: the last list input)
    // and selects the stored choice unless told not to (25, 26, 34 keep none).
    int replayListInput = -1;
    bool replaySelects = true;
    // The history menu shows the whole title ("Convertisseur ...") instead of the
    // title without "Calculatrice ".
    bool historyFullTitle = false;
    HistoryDetailFunction historyDetail = nullptr;

    // The input whose list the history replay refills, or -1 when it has none.
    int replayList() const
    {
        if (replayListInput >= 0)
            return replayListInput;
        for (int i = inputCount() - 1; i >= 0; --i) {
            if (inputs[static_cast<size_t>(i)].list)
                return i;
        }
        return -1;
    }
    bool hasList() const { return replayList() >= 0; }

    int inputCount() const { return static_cast<int>(inputs.size()); }
    // The "&&" steps before "f=" is enabled; -1 for the calculators whose keys are not
    // gated (the keypad calculators and the one-input ones).
    int nextTermThreshold() const { return inputCount() < 2 ? -1 : inputCount() - 1; }
};

// The rows of the forty calculators, registered by their families when the engine is
// built. A number outside 0..39, or one no family registered, reads an empty row.
class CalculatorRegistry {
public:
    void Register(const CalculatorDescription& row)
    {
        if (IsCalculatorNumber(row.number))
            rows_[static_cast<size_t>(row.number)] = &row;
    }
    const CalculatorDescription& Of(int number) const
    {
        static const CalculatorDescription empty;
        if (!IsCalculatorNumber(number) || !rows_[static_cast<size_t>(number)])
            return empty;
        return *rows_[static_cast<size_t>(number)];
    }
    bool Has(int number) const
    {
        return IsCalculatorNumber(number) && rows_[static_cast<size_t>(number)] != nullptr;
    }

private:
    std::array<const CalculatorDescription*, CalculatorCount> rows_{};
};

} // namespace tornavel
