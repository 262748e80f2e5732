#include "core/engine.h"

#include "core/tables.h"

#include <algorithm>

namespace tornavel {

namespace {

// What C puts back on a calculator besides "0" and an empty formula: the prompt of
// the first input with its unit suffix, shown always or only when units are shown.
struct ResetRow {
    int promptId = -1;         // -1: no prompt label
    UnitSuffix suffix = UnitSuffix::None;
    bool always = false;
};

ResetRow ResetRowOf(int n)
{
    using Unit = UnitSuffix;
    auto cond = [](int id) { return ResetRow{id, Unit::Length, false}; };
    auto always = [](int id, Unit unit = Unit::Length) { return ResetRow{id, unit, true}; };
    auto plain = [](int id) { return ResetRow{id, Unit::None, false}; };
    switch (n) {
    case 1: case 3: case 6: case 11: case 12: case 22: return cond(33);
    case 2: case 5: return cond(35);
    case 4: return cond(38);
    case 7: case 15: return cond(50);
    case 8: return cond(41);
    case 9: return cond(42);
    case 10: case 16: return always(44);
    case 13: case 14: return cond(49);
    case 17: case 18: return always(52);
    case 19: return always(58);
    case 20: return always(46);
    case 21: return always(61);
    case 23: return always(69, Unit::Volume);
    case 24: return always(37, Unit::Area);
    case 25: case 26: return always(78, Unit::Area);
    case 27: case 28: case 29: return always(85);
    case 30: return always(93);
    case 31: return always(96);
    case 32: case 34: return plain(102);
    case 33: return plain(111);
    case 35: case 36: return plain(119);
    case 37: return plain(123);
    case 38: return plain(120);
    default: return {};  // 0 and 39
    }
}

// Checks one option button of a panel and unchecks its siblings.
void CheckRadio(PanelState& panel, const char* name)
{
    for (RadioButtonState& radio : panel.radios)
        radio.checked = radio.name == QLatin1String(name);
}

// The first input is typed: the result field is shown, the list hidden.
void ShowTypedFirstInput(Engine& e, PanelState& panel)
{
    panel.resultVisible = true;
    panel.listVisible = false;
    e.keys.KeypadEnabled = true;
}

// The first input is chosen in the list, refilled with these rows.
void ShowListFirstInput(PanelState& panel, const QStringList& rows)
{
    panel.resultVisible = false;
    panel.listRows = rows;
    panel.listIndex = -1;
    panel.listVisible = true;
}

} // namespace

void Engine::CalculatriceCEClick()
{
    if (!HasCalculator())
        return;
    RunUndoRoutine(Top().Number);
    UpdateOperatorButtons(Top());
    keys.KeyClass = Code::AfterCE;
}

void Engine::CalculatriceCClick()
{
    if (!HasCalculator())
        return;
    TCalculette& record = Top();
    const int n = record.Number;
    PanelState& panel = TopPanel();

    panel.result = QStringLiteral("0");
    panel.formula.clear();

    const ResetRow row = ResetRowOf(n);
    if (row.promptId >= 0)
        panel.prompt = PromptWithSuffix(row.promptId, row.suffix, row.always);

    switch (n) {
    case 17: case 18: case 20: case 25: case 26: case 30: case 34:
        // 25, 26 and 34 are laid out for their first, typed input too, so that C never
        // leaves a list input's list under the first prompt.
        ShowTypedFirstInput(*this, panel);
        break;
    case 21:
        variants.RoofOutput = 0;
        CheckRadio(panel, "RbtnTuiles");
        break;
    case 23:
        variants.ConcreteOutput = 0;
        CheckRadio(panel, "RbtnCiment");
        ShowTypedFirstInput(*this, panel);
        break;
    case 31:
        keys.KeypadEnabled = true;
        break;
    case 33:
        // The keypad stays as it was.
        ShowListFirstInput(panel, FirstInputListRows(n));
        break;
    case 35: case 36: case 37: case 38:
        ShowListFirstInput(panel, FirstInputListRows(n));
        keys.KeypadEnabled = false;
        break;
    default:
        break;
    }

    // The inputs a calculation can give; the sixth value is left alone.
    record.TermIndex = 0;
    std::fill(record.Inputs.begin(), record.Inputs.begin() + 5, 0.0);
    UpdateOperatorButtons(record);
    keys.LastKeyCode = Code::None;
    keys.KeyClass = Code::AfterUndo;
    keys.PendingMathFunction = -1;
}

} // namespace tornavel
