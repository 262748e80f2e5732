#include "core/engine_context.h"

#include "core/calculator_stack.h"
#include "core/clear_keys.h"
#include "core/history_menu.h"
#include "core/options_store.h"
#include "core/screen.h"
#include "core/strings.h"
#include "core/ui_services.h"

namespace tornavel {

EngineContext::EngineContext(const CalculatorRegistry& descriptions, const StringTable& strings, UiServices& ui,
                             const NumberRules& numbers, const OptionsStore& options, KeyState& keys,
                             Screen& screen, CalculatorStack& stack, ClearKeys& clear, HistoryMenu& history)
    : descriptions_(descriptions), strings_(strings), ui_(ui), numbers_(numbers), options_(options), keys_(keys),
      screen_(screen), stack_(stack), clear_(clear), history_(history)
{
}

bool EngineContext::HasCalculator() const { return stack_.HasCalculator(); }
TCalculette& EngineContext::Top() { return stack_.TopRecord(); }
const TCalculette& EngineContext::Top() const { return stack_.Top(); }
PanelState& EngineContext::TopPanel() { return screen_.WritablePanel(stack_.Top().Number); }

KeyState& EngineContext::Keys() { return keys_; }
const KeyState& EngineContext::Keys() const { return keys_; }
int& EngineContext::OptionSelection(const CalculatorDescription& row) { return screen_.WritableSelection(row.number); }
int EngineContext::OptionSelection(const CalculatorDescription& row) const
{
    return screen_.OptionSelection(row.number);
}
int EngineContext::UnitScaleCode() const { return options_.Values().UnitScaleCode; }

const NumberRules& EngineContext::Numbers() const { return numbers_; }
QString EngineContext::Str(int id) const { return strings_.Str(id); }
const CalculatorRegistry& EngineContext::Descriptions() const { return descriptions_; }
void EngineContext::ShowMessageForm(const QString& text, int lines) { ui_.ShowMessageForm(text, lines); }
void EngineContext::ShowErrorBox(const QString& text, const QString& caption)
{
    ui_.MessageBox(text, caption, BoxIcon::Error);
}

void EngineContext::UpdateOperatorButtons(const TCalculette& record) { screen_.UpdateOperatorButtons(record); }
QString EngineContext::LabelText(const Label& label) const { return screen_.LabelText(label, stack_.OnScreen()); }
QString EngineContext::PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const
{
    return screen_.PromptWithSuffix(promptId, suffix, always, stack_.OnScreen());
}
QString EngineContext::UnitSuffixText(UnitSuffix suffix) const { return screen_.UnitSuffixText(suffix); }

void EngineContext::ClearCalculator() { clear_.CalculatriceCClick(); }

void EngineContext::AddHistoryEntry(int number, const QString& text, const InputValues& inputs, int termIndex)
{
    history_.AddHistoryEntry(number, text, inputs, termIndex, options_.Values().UnitScaleCode);
}

} // namespace tornavel
