#include "core/session.h"

#include <algorithm>

namespace tornavel {

Session::Session(const StringTable& strings_, UiServices& ui_, const CalculatorRegistry& descriptions_,
                 OptionsStore& options_, HistoryBook& history_,
                 HelpLinks& helpLinks, UpdateCheck& updateCheck, QString decimalSeparator)
    : strings(strings_), ui(ui_), descriptions(descriptions_),
      optionsStore_(options_), historyBook_(history_), helpLinks_(helpLinks), updateCheck_(updateCheck),
      options(options_.Values()), history(history_.Values()),
      numbers_(std::move(decimalSeparator))
{
    // The panels are built from the rows.
    panels.resize(static_cast<size_t>(CalculatorCount()));
    selections_.assign(static_cast<size_t>(descriptions.SelectionCount()), 0);
    calculatorNames_.resize(static_cast<size_t>(CalculatorCount()));
    for (int n = 0; n < CalculatorCount(); ++n) {
        const CalculatorDescription& row = descriptions.Of(n);
        PanelState& p = panels[static_cast<size_t>(n)];
        p.number = n;
        p.kind = row.kind;
        p.hasNextKey = row.hasNextKey;
        p.hasList = row.hasList();
        p.computeHint = row.computeHint;
        for (const OptionButton& button : row.options.buttons)
            p.radios.push_back({QString::fromLatin1(button.name), button.caption, false});
    }
}

int& Session::OptionSelection(int number)
{
    const int selection = descriptions.SelectionOf(number);
    if (selection < 0) {
        noSelection_ = 0;
        return noSelection_;
    }
    return selections_[static_cast<size_t>(selection)];
}

int Session::OptionSelection(int number) const
{
    const int selection = descriptions.SelectionOf(number);
    return selection < 0 ? 0 : selections_[static_cast<size_t>(selection)];
}

void Session::ResetOptionSelections()
{
    std::fill(selections_.begin(), selections_.end(), 0);
}

int Session::ResultCodeOf(int number) const
{
    return descriptions.Of(number).resultCode;
}

PanelState* Session::FindCalculatorPanel(int number)
{
    if (!IsCalculatorNumber(number))
        return nullptr;
    return &panels[static_cast<size_t>(number)];
}

std::function<void(CalculatorContext&)> Session::FindComputeButton(int number) const
{
    if (!IsCalculatorNumber(number))
        return {};
    return descriptions.Of(number).keys.compute;
}

const CalculatorKeys* Session::KeysOnScreen(int number) const
{
    if (!HasCalculator() || CalculatorStack.back().Number != number || !IsCalculatorNumber(number))
        return nullptr;
    return &descriptions.Of(number).keys;
}

void Session::PCalculClick(int number)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->compute)
        k->compute(context_);
}

void Session::PEtClick(int number)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->nextTerm)
        k->nextTerm(context_);
}

void Session::ListBoxClick(int number, int row)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->listChoice)
        k->listChoice(context_, row);
}

void Session::VariantClick(int number, int index)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->variantChoice)
        k->variantChoice(context_, index);
}

void Session::RunUndoRoutine(int number)
{
    if (const CalculatorKeys* k = KeysOnScreen(number); k && k->undo)
        k->undo(context_);
}

bool Session::KeypadKeyClick(KeypadKey key)
{
    if (!HasCalculator())
        return false;
    const auto& hook = descriptions.Of(Top().Number).keys.keypadKey;
    return hook && hook(context_, key);
}

} // namespace tornavel
