#pragma once

// The calculator context that the engine gives the families' keys: the one place that
// forwards what a key asks for to the parts that own it.

#include "core/context.h"

namespace tornavel {

class CalculatorStack;
class ClearKeys;
class HistoryMenu;
class OptionsStore;
class Screen;
class StringTable;
class UiServices;

class EngineContext final : public CalculatorContext {
public:
    EngineContext(const CalculatorRegistry& descriptions, const StringTable& strings, UiServices& ui,
                  const NumberRules& numbers, const OptionsStore& options, KeyState& keys, Screen& screen,
                  CalculatorStack& stack, ClearKeys& clear, HistoryMenu& history);
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
    void ShowMessageForm(const QString& text, int lines) override;
    void ShowErrorBox(const QString& text, const QString& caption) override;

    void UpdateOperatorButtons(const TCalculette& record) override;
    QString LabelText(const Label& label) const override;
    QString PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const override;
    QString UnitSuffixText(UnitSuffix suffix) const override;

    void ClearCalculator() override;
    void AddHistoryEntry(int number, const QString& text, const InputValues& inputs, int termIndex) override;

private:
    const CalculatorRegistry& descriptions_;
    const StringTable& strings_;
    UiServices& ui_;
    const NumberRules& numbers_;
    const OptionsStore& options_;
    KeyState& keys_;
    Screen& screen_;
    CalculatorStack& stack_;
    ClearKeys& clear_;
    HistoryMenu& history_;
};

} // namespace tornavel
