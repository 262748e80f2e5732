#include "core/engine_context.h"

#include "core/calculator_stack.h"
#include "core/history_book.h"
#include "core/options_store.h"
#include "core/screen.h"
#include "core/strings.h"
#include "core/ui_services.h"

namespace tornavel {

EngineContext::EngineContext(const CalculatorRegistry& descriptions, const StringTable& strings, UiServices& ui,
                             const NumberRules& numbers, const OptionsStore& options, KeyState& keys,
                             Screen& screen, CalculatorStack& stack, HistoryBook& history)
    : descriptions_(descriptions), strings_(strings), ui_(ui), numbers_(numbers), options_(options), keys_(keys),
      screen_(screen), stack_(stack), history_(history)
{
}

bool EngineContext::HasCalculator() const { return stack_.HasCalculator(); }
const TCalculette& EngineContext::Top() const { return stack_.Top(); }
const PanelState& EngineContext::TopPanel() const { return screen_.Panel(stack_.Top().Number); }
const KeyState& EngineContext::Keys() const { return keys_; }
int EngineContext::OptionSelection(const CalculatorDescription& row) const
{
    return screen_.OptionSelection(row.number);
}
int EngineContext::UnitScaleCode() const { return options_.Values().UnitScaleCode; }

const NumberRules& EngineContext::Numbers() const { return numbers_; }
QString EngineContext::Str(int id) const { return strings_.Str(id); }
const CalculatorRegistry& EngineContext::Descriptions() const { return descriptions_; }
QString EngineContext::LabelText(const Label& label) const { return screen_.LabelText(label, stack_.OnScreen()); }
QString EngineContext::PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const
{
    return screen_.PromptWithSuffix(promptId, suffix, always, stack_.OnScreen());
}
QString EngineContext::UnitSuffixText(UnitSuffix suffix) const { return screen_.UnitSuffixText(suffix); }

void EngineContext::ShowResult(const ShownResult& shown)
{
    if (!stack_.HasCalculator())
        return;
    const TCalculette& record = stack_.Top();
    if (shown.memory)
        keys_.Store(*shown.memory);
    // Recorded before the result's code replaces the last key's.
    history_.Record(record.Number, shown.terms, record.Inputs, record.TermIndex, options_.Values().UnitScaleCode,
                    keys_);
    screen_.SetResult(shown.result);
    screen_.SetFormula(shown.formula);
    if (shown.label)
        screen_.SetPrompt(*shown.label);
    keys_.Pressed(shown.code);
    if (shown.settlesOption)
        keys_.OptionSettled();
    if (shown.keypad)
        keys_.InputShown(*shown.keypad);
}

void EngineContext::ShowEntry(const QString& result, const QString& formula)
{
    screen_.SetResult(result);
    screen_.SetFormula(formula);
}

void EngineContext::ShowPrompt(const QString& prompt) { screen_.SetPrompt(prompt); }
void EngineContext::ShowInputField(InputField field) { screen_.ShowInputField(field); }
void EngineContext::ShowList(const QStringList& rows, int selection) { screen_.SetList(rows, selection); }

void EngineContext::UpdateOperatorButtons()
{
    if (stack_.HasCalculator())
        screen_.UpdateOperatorButtons(stack_.Top());
}

void EngineContext::ShowMessage(const QString& text) { ui_.ShowMessageForm(text, 1); }
void EngineContext::ShowErrorBox(const QString& text)
{
    ui_.MessageBox(text, QStringLiteral("Tornavel"), BoxIcon::Error);
}

void EngineContext::TakeListChoice(int row) { screen_.SelectListRow(row); }

void EngineContext::KeepInput(int k, double value)
{
    if (!stack_.HasCalculator() || k < 0 || k >= MaxInputs)
        return;
    InputValues inputs = stack_.Top().Inputs;
    inputs[static_cast<size_t>(k)] = value;
    stack_.SetTopInputs(stack_.Top().TermIndex, inputs);
}

void EngineContext::GoToTerm(int termIndex)
{
    if (stack_.HasCalculator())
        stack_.SetTopInputs(termIndex, stack_.Top().Inputs);
}

void EngineContext::ChooseOption(const CalculatorDescription& row, int index)
{
    keys_.OptionChosen(screen_.OptionSelection(row.number), index);
    screen_.ChooseOption(row.number, index);
}

void EngineContext::RecomputeForOption(const std::function<void()>& compute)
{
    struct Settle {
        KeyState& keys;
        ~Settle() { keys.OptionSettled(); }
    } settle{keys_};
    const KeyState::Recomputation recomputing(keys_);
    compute();
}

void EngineContext::ClearCalculator() { stack_.CalculatriceCClick(); }
void EngineContext::KeyPressed(int code) { keys_.Pressed(code); }
void EngineContext::FunctionChosen(int function, bool inverse) { keys_.FunctionChosen(function, inverse); }
void EngineContext::TakenBack(int code, bool functionDropped) { keys_.TakenBack(code, functionDropped); }
void EngineContext::StoreInMemory(double value) { keys_.Store(value); }

} // namespace tornavel
