#include "core/engine_context.h"

#include "core/session.h"

namespace tornavel {

bool EngineContext::HasCalculator() const { return engine_.HasCalculator(); }
TCalculette& EngineContext::Top() { return engine_.Top(); }
const TCalculette& EngineContext::Top() const { return engine_.Stack().back(); }
PanelState& EngineContext::TopPanel() { return engine_.TopPanel(); }

KeyState& EngineContext::Keys() { return engine_.Keys(); }
const KeyState& EngineContext::Keys() const { return engine_.Keys(); }
int& EngineContext::OptionSelection(const CalculatorDescription& row) { return engine_.OptionSelection(row.number); }
int EngineContext::OptionSelection(const CalculatorDescription& row) const
{
    return engine_.OptionSelection(row.number);
}
int EngineContext::UnitScaleCode() const { return engine_.Store().Values().UnitScaleCode; }

const NumberRules& EngineContext::Numbers() const { return engine_.Numbers(); }
QString EngineContext::Str(int id) const { return engine_.Str(id); }
const CalculatorRegistry& EngineContext::Descriptions() const { return engine_.Descriptions(); }
UiServices& EngineContext::Ui() { return engine_.Ui(); }

void EngineContext::UpdateOperatorButtons(const TCalculette& record) { engine_.UpdateOperatorButtons(record); }
QString EngineContext::LabelText(const Label& label) const { return engine_.LabelText(label); }
QString EngineContext::PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const
{
    return engine_.PromptWithSuffix(promptId, suffix, always);
}
QString EngineContext::UnitSuffixText(UnitSuffix suffix) const { return engine_.UnitSuffixText(suffix); }

void EngineContext::ClearCalculator() { engine_.CalculatriceCClick(); }

void EngineContext::AddHistoryEntry(int number, const QString& text, const InputValues& inputs, int termIndex)
{
    engine_.AddHistoryEntry(number, text, inputs, termIndex, engine_.Store().Values().UnitScaleCode);
}

} // namespace tornavel
