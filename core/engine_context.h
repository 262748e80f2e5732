#pragma once

// The engine seen as a calculator context: the one place that forwards what a family's
// keys ask for to the engine's state and operations.

#include "core/context.h"

namespace tornavel {

class Session;

class EngineContext final : public CalculatorContext {
public:
    explicit EngineContext(Session& engine) : engine_(engine) {}
    EngineContext(const EngineContext&) = delete;
    EngineContext& operator=(const EngineContext&) = delete;

    bool HasCalculator() const override;
    TCalculette& Top() override;
    const TCalculette& Top() const override;
    PanelState& TopPanel() override;

    KeyState& Keys() override;
    const KeyState& Keys() const override;
    int& OptionSelection(const CalculatorDescription& row) override;
    int OptionSelection(const CalculatorDescription& row) const override;
    int UnitScaleCode() const override;

    const NumberRules& Numbers() const override;
    QString Str(int id) const override;
    const CalculatorRegistry& Descriptions() const override;
    UiServices& Ui() override;

    void UpdateOperatorButtons(const TCalculette& record) override;
    QString LabelText(const Label& label) const override;
    QString PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const override;
    QString UnitSuffixText(UnitSuffix suffix) const override;

    void ClearCalculator() override;
    void AddHistoryEntry(int number, const QString& text, const InputValues& inputs, int termIndex) override;

private:
    Session& engine_;
};

} // namespace tornavel
