#pragma once

// What a family of calculators sees: the one narrow context that the keys of its
// calculators' rows receive (CalculatorKeys, core/description.h). A family reaches the
// calculator on screen, the key state, the texts and the services only through this
// context, never through the engine that implements it.

#include "core/calculette.h"
#include "core/description.h"
#include "core/number_rules.h"
#include "core/panel.h"
#include "core/key_state.h"

#include <QString>

namespace tornavel {

class CalculatorContext {
public:
    virtual ~CalculatorContext() = default;

    // ---- The calculator on screen ---------------------------------------------------
    virtual bool HasCalculator() const = 0;
    // Its record and its panel; only while HasCalculator().
    virtual TCalculette& Top() = 0;
    virtual const TCalculette& Top() const = 0;
    virtual PanelState& TopPanel() = 0;
    // True when calculator `number` is the one on screen.
    bool IsOnScreen(int number) const { return HasCalculator() && Top().Number == number; }

    // ---- Key state, option selections and the unit ------------------------------------
    virtual KeyState& Keys() = 0;
    virtual const KeyState& Keys() const = 0;
    // The selection that the option buttons of `row` write, shared by the calculators
    // of its group; only for a row with option buttons.
    virtual int& OptionSelection(const CalculatorDescription& row) = 0;
    virtual int OptionSelection(const CalculatorDescription& row) const = 0;
    // 1 mm, 10 cm, 25 inch, 1000 m.
    virtual int UnitScaleCode() const = 0;
    // The choice of a list input counts as made: a row is selected, or a history replay
    // brings the stored choice back.
    bool ComboHasSelection(const PanelState& panel) const
    {
        return Keys().RecomputingFlag() || panel.listIndex != -1;
    }

    // ---- Rules, texts and services ----------------------------------------------------
    virtual const NumberRules& Numbers() const = 0;
    // Text `id` of the string table.
    virtual QString Str(int id) const = 0;
    // What each calculator is (its description row).
    virtual const CalculatorRegistry& Descriptions() const = 0;
    // The message window under the panel, with a text of `lines` lines.
    virtual void ShowMessageForm(const QString& text, int lines) = 0;
    // The error box, for a computation that has no result.
    virtual void ShowErrorBox(const QString& text, const QString& caption) = 0;

    // ---- What the screen shows ----------------------------------------------------------
    // Enables "&&" and "f=" of `record`'s panel as far as its inputs allow.
    virtual void UpdateOperatorButtons(const TCalculette& record) = 0;
    // A prompt or result label as shown on the calculator on screen; empty for none.
    virtual QString LabelText(const Label& label) const = 0;
    // Text `promptId` with its unit suffix, always or when the calculator on screen
    // shows unit suffixes.
    virtual QString PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const = 0;
    // "(cm)", "(cm2)" ... in the user's unit, "(°)"; empty for none.
    virtual QString UnitSuffixText(UnitSuffix suffix) const = 0;

    // ---- Keys of the engine and the history -------------------------------------------
    // C: the calculator on screen starts over (CalculatriceCClick).
    virtual void ClearCalculator() = 0;
    // Records a calculation of calculator `number` in the history, in the current unit.
    virtual void AddHistoryEntry(int number, const QString& text, const InputValues& inputs, int termIndex) = 0;
};

} // namespace tornavel
