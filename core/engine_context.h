#pragma once

// The calculator context that the engine gives the families' keys. Owns no state: it
// hands each request of a key to the part that owns what it changes (the stack the
// record, the screen the panel and the option selections, the key state its codes,
// the history book the calculations).

#include "core/context.h"

namespace tornavel {

class CalculatorStack;
class HistoryBook;
class OptionsStore;
class Screen;
class StringTable;
class UiServices;

class EngineContext final : public CalculatorContext {
public:
    EngineContext(const CalculatorRegistry& descriptions, const StringTable& strings, UiServices& ui,
                  const NumberRules& numbers, const OptionsStore& options, KeyState& keys, Screen& screen,
                  CalculatorStack& stack, HistoryBook& history);
    EngineContext(const EngineContext&) = delete;
    EngineContext& operator=(const EngineContext&) = delete;

    bool HasCalculator() const override;
    const TCalculette& Top() const override;
    const PanelState& TopPanel() const override;
    const KeyState& Keys() const override;
    int OptionSelection(const CalculatorDescription& row) const override;
    int UnitScaleCode() const override;

    const NumberRules& Numbers() const override;
    QString Str(int id) const override;
    const CalculatorRegistry& Descriptions() const override;
    QString LabelText(const Label& label) const override;
    QString PromptWithSuffix(int promptId, UnitSuffix suffix, bool always) const override;
    QString UnitSuffixText(UnitSuffix suffix) const override;

    void ShowResult(const ShownResult& shown) override;
    void ShowEntry(const QString& result, const QString& formula) override;
    void ShowPrompt(const QString& prompt) override;
    void ShowInputField(InputField field) override;
    void ShowList(const QStringList& rows, int selection) override;
    void UpdateOperatorButtons() override;
    void ShowMessage(const QString& text) override;
    void ShowErrorBox(const QString& text) override;

    void TakeListChoice(int row) override;
    void KeepInput(int k, double value) override;
    void GoToTerm(int termIndex) override;
    void ChooseOption(const CalculatorDescription& row, int index) override;
    void RecomputeForOption(const std::function<void()>& compute) override;

    void ClearCalculator() override;
    void KeyPressed(int code) override;
    void FunctionChosen(int function, bool inverse) override;
    void TakenBack(int code, bool functionDropped = false) override;
    void StoreInMemory(double value) override;

private:
    const CalculatorRegistry& descriptions_;
    const StringTable& strings_;
    UiServices& ui_;
    const NumberRules& numbers_;
    const OptionsStore& options_;
    KeyState& keys_;
    Screen& screen_;
    CalculatorStack& stack_;
    HistoryBook& history_;
};

} // namespace tornavel
