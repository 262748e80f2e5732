#pragma once

// What a family of calculators sees: the one narrow context that the keys of its
// calculators' rows receive (CalculatorKeys, core/description.h). A family reads the
// calculator on screen, the key state, the texts and the services through const views,
// and says what it wants done; the part that owns each state applies it with its rules.

#include "core/calculette.h"
#include "core/description.h"
#include "core/number_rules.h"
#include "core/panel.h"
#include "core/key_state.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tornavel {

// A result to show, as the compute key of a calculator finds it.
struct ShownResult {
    QString terms;                  // what the history records of the calculation
    QString result;                 // the result field
    QString formula;                // the formula field, the whole calculation
    std::optional<QString> label{}; // the prompt becomes the result label; none: unchanged
    std::optional<double> memory{}; // goes into the memory register; none: the register stays
    int code = Code::Equals;        // left in LastKeyCode and KeyClass
    bool settlesOption = false;     // a changed option counts as settled by this result
    std::optional<bool> keypad{};   // the keypad on or off after it; none: unchanged
};

class CalculatorContext {
public:
    // ---- The calculator on screen, read --------------------------------------------
    virtual bool HasCalculator() const = 0;
    // Its record, its panel; only while HasCalculator().
    virtual const TCalculette& Top() const = 0;
    virtual const PanelState& TopPanel() const = 0;
    virtual const KeyState& Keys() const = 0;
    // The selection that the option buttons of `row` write, shared by the calculators
    // of its group; only for a row with option buttons.
    virtual int OptionSelection(const CalculatorDescription& row) const = 0;
    // 1 mm, 10 cm, 25 inch, 1000 m.
    virtual int UnitScaleCode() const = 0;

    // ---- Rules and texts ----------------------------------------------------------------
    virtual const NumberRules& Numbers() const = 0;
    // Text `id` of the string table.
    virtual QString Str(int id) const = 0;
    // What each calculator is (its description row).
    virtual const CalculatorRegistry& Descriptions() const = 0;
    // A prompt or result label as shown on the calculator on screen; empty for none.
    virtual QString LabelText(const Label& label) const = 0;
    // Text `promptId` with its unit suffix, always or when the calculator on screen
    // shows unit suffixes.
    virtual QString PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const = 0;
    // "(cm)", "(cm2)" ... in the user's unit, "(°)"; empty for none.
    virtual QString UnitSuffixText(UnitSuffix suffix) const = 0;

    // ---- Show ------------------------------------------------------------------------------
    // A result: the fields, the label, the memory register, the history (unless the
    // calculation is being computed again) and the key state it leaves.
    virtual void ShowResult(const ShownResult& shown) = 0;
    // The result field and the formula as a key leaves them while a calculation is
    // entered or taken back.
    virtual void ShowEntry(const QString& result, const QString& formula) = 0;
    // The label that asks for the input.
    virtual void ShowPrompt(const QString& prompt) = 0;
    virtual void ShowInputField(InputField field) = 0;
    // The rows of the list and the row selected (-1: none).
    virtual void ShowList(const QStringList& rows, int selection) = 0;
    // Enables "&&", "f=" and MR as far as the inputs of the calculator on screen allow.
    virtual void UpdateOperatorButtons() = 0;
    // The message window under the panel: an input refused, a calculation without an
    // answer.
    virtual void ShowMessage(const QString& text) = 0;
    // The error box, for a computation that has no result.
    virtual void ShowErrorBox(const QString& text) = 0;

    // ---- Inputs and choices ------------------------------------------------------------------
    // The list's row `row` is chosen.
    virtual void TakeListChoice(int row) = 0;
    // Input k of the calculator on screen holds `value`.
    virtual void KeepInput(int k, double value) = 0;
    // The calculator on screen is at input `termIndex`.
    virtual void GoToTerm(int termIndex) = 0;
    // Option button `index` of `row` is chosen: its selection, the buttons checked, and
    // whether the option changed.
    virtual void ChooseOption(const CalculatorDescription& row, int index) = 0;
    // Runs `compute` as a re-run of the option chosen: RecomputingFlag set, and the
    // option settled however it ends.
    virtual void RecomputeForOption(const std::function<void()>& compute) = 0;

    // ---- Keys --------------------------------------------------------------------------------
    // C: the calculator on screen starts over.
    virtual void ClearCalculator() = 0;
    // The transitions of the key state (KeyState) that the families' keys make.
    virtual void KeyPressed(int code) = 0;
    virtual void FunctionChosen(int function, bool inverse) = 0;
    virtual void TakenBack(int code, bool functionDropped = false) = 0;
    // MS: the memory register holds `value`.
    virtual void StoreInMemory(double value) = 0;

protected:
    // The engine owns its one context; nothing is deleted through this interface.
    ~CalculatorContext() = default;
};

// True when calculator `number` is the one on screen.
inline bool IsOnScreen(const CalculatorContext& context, int number)
{
    return context.HasCalculator() && context.Top().Number == number;
}

// The choice of a list input counts as made: a row is selected, or a history replay
// brings the stored choice back.
inline bool ComboHasSelection(const CalculatorContext& context, const PanelState& panel)
{
    return context.Keys().RecomputingFlag() || panel.listIndex != -1;
}

} // namespace tornavel
