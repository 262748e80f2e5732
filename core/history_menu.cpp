#include "core/history_menu.h"

#include "core/calculator_stack.h"
#include "core/history_book.h"
#include "core/history_lists.h"
#include "core/key_dispatch.h"
#include "core/options_store.h"
#include "core/screen.h"
#include "core/strings.h"
#include "core/tables.h"

#include <QLocale>

#include <algorithm>

namespace tornavel {

namespace {

// Most titles begin so; the history menu leaves it out.
const QString kCalculatorTitlePrefix = QStringLiteral("Calculatrice ");

// True when history entry n is there.
bool HoldsEntry(const History& history, int n)
{
    return n >= 0 && n <= history.LastHistoryIndex && n < HistoryCapacity;
}

} // namespace

HistoryMenu::HistoryMenu(const CalculatorRegistry& descriptions, const StringTable& strings, HistoryBook& book,
                         OptionsStore& options, Screen& screen, CalculatorStack& stack, KeyState& keys,
                         KeyDispatch& dispatch, const NumberRules& numbers)
    : descriptions_(descriptions), strings_(strings), book_(book), options_(options), screen_(screen), stack_(stack), keys_(keys),
      dispatch_(dispatch), numbers_(numbers)
{
}

void HistoryMenu::AddHistoryEntry(int number, const QString& text, const InputValues& inputs, int termIndex,
                                  int unitScale)
{
    book_.Record(number, text, inputs, termIndex, unitScale, keys_);
}

QString HistoryMenu::HistoryCaption(const HistoryEntry& entry) const
{
    const CalculatorDescription& row = descriptions_.Of(entry.Number);
    const QString name = screen_.CalculatorName(entry.Number);
    // Whether the title has the prefix is a fact of the program's own title; the prefix's
    // length is then cut from the title in force, also a replaced one. A title without
    // it ("Convertisseur ...") is shown whole.
    QString caption = name;
    if (strings_.OwnStr(row.titleId).startsWith(kCalculatorTitlePrefix)) {
        caption = name.mid(kCalculatorTitlePrefix.size());
        if (!caption.isEmpty())
            caption = QLocale::system().toUpper(caption.left(1)) + caption.mid(1);
    }
    caption += QStringLiteral(": ");

    if (row.historyDetail) {
        caption += row.historyDetail(entry.Inputs, entry.Text);
    } else if (row.inputCount() <= 1) {
        // The keypad and one-input calculators: the start of the calculation itself.
        caption += entry.Text.left(10);
    } else if (row.inputs[0].list) {
        if (const std::optional<QString> choice = HistoryChoiceName(row, entry, numbers_.Separator()))
            caption += *choice;
    } else if (row.inputs[0].centimetres) {
        // A length stored in centimetres is shown again in the unit in which it was typed.
        caption += numbers_.NumberText(entry.Inputs[0] / UnitFactor(entry.UnitScale));
    } else {
        caption += numbers_.NumberText(entry.Inputs[0]);
    }
    return caption + QStringLiteral("...");
}

void HistoryMenu::PopupMCalculsPopup()
{
    const History& history = book_.Values();
    QStringList captions;
    for (int k = 0; k <= history.LastHistoryIndex && k < HistoryCapacity; ++k)
        captions << HistoryCaption(history.HistoryEntries[static_cast<size_t>(k)]);
    screen_.SetHistoryCaptions(captions);
}

void HistoryMenu::TraitArticleMCalculs(int n)
{
    const History& history = book_.Values();
    if (!HoldsEntry(history, n))
        return;
    const HistoryEntry& entry = history.HistoryEntries[static_cast<size_t>(n)];
    if (!descriptions_.Has(entry.Number))
        return;
    // The entry's unit comes back without counting as an option change.
    options_.SetUnitScale(entry.UnitScale);
    stack_.OpenCalculator(entry.Number);
    ReplayHistoryEntry(n);
}

void HistoryMenu::ReplayHistoryEntry(int n)
{
    const History& history = book_.Values();
    if (!HoldsEntry(history, n) || !stack_.HasCalculator())
        return;
    const HistoryEntry entry = history.HistoryEntries[static_cast<size_t>(n)];
    if (stack_.Top().Number != entry.Number)
        return;

    const int term = std::clamp(entry.TermIndex, 0, MaxInputs - 1);
    InputValues inputs = stack_.Top().Inputs;
    for (int i = 0; i <= term; ++i)
        inputs[static_cast<size_t>(i)] = entry.Inputs[static_cast<size_t>(i)];
    stack_.SetTopInputs(term, inputs);
    screen_.SetFormula(entry.Text);

    const CalculatorDescription& row = descriptions_.Of(entry.Number);
    if (const std::optional<HistoryListRefill> refill = HistoryListRefillOf(row, entry, numbers_.Separator()))
        screen_.SetList(refill->rows, refill->selection);
    if (row.historyKeyCodeInput >= 0 && row.historyKeyCodeInput < MaxInputs)
        keys_.Restored(
            TruncatedIndex(entry.Inputs[static_cast<size_t>(row.historyKeyCodeInput)]).value_or(Code::None));

    if (!row.replayRecomputes) {
        screen_.SetResult(numbers_.NumberText(numbers_.LastFormulaTermValue(screen_.Panel(entry.Number).formula)));
        keys_.Pressed(Code::Equals);
        return;
    }

    const KeyState::Recomputation recomputing(keys_);
    screen_.UpdateOperatorButtons(stack_.Top());
    dispatch_.PCalculClick(entry.Number);
}

} // namespace tornavel
