#include "core/session.h"
#include "core/tables.h"

#include "core/history_file.h"
#include "core/history_lists.h"
#include "platform/save_file.h"

#include <QFile>
#include <QLocale>

#include <algorithm>

namespace tornavel {

namespace {

// Sets the flag for the lifetime of the guard, and clears it again however the
// guarded computation ends.
class RecomputingScope {
public:
    explicit RecomputingScope(KeyState& keys) : keys_(keys) { keys_.SetRecomputingFlag(true); }
    ~RecomputingScope() { keys_.SetRecomputingFlag(false); }
    RecomputingScope(const RecomputingScope&) = delete;
    RecomputingScope& operator=(const RecomputingScope&) = delete;

private:
    KeyState& keys_;
};

// True when history entry n is there.
bool HoldsEntry(const History& history, int n)
{
    return n >= 0 && n <= history.LastHistoryIndex && n < HistoryCapacity;
}

} // namespace

void Session::AddHistoryEntry(int number, const QString& text, const std::array<double, MaxInputs>& inputs,
                             int termIndex, int unitScale)
{
    if (keys.RecomputingFlag())
        return;
    if (!IsCalculatorNumber(number))
        return;

    historyBook_.Add(number, text, inputs, termIndex, unitScale, keys.LastKeyCode());
}

QString Session::HistoryCaption(const HistoryEntry& entry) const
{
    const CalculatorDescription& row = descriptions.Of(entry.Number);
    const QString name = CalculatorName(entry.Number);
    QString caption;
    if (row.historyFullTitle) {
        caption = name;  // "Convertisseur ..."
    } else {
        caption = name.mid(13);  // without "Calculatrice "
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

void Session::PopupMCalculsPopup()
{
    window.historyCaptions.clear();
    for (int k = 0; k <= history.LastHistoryIndex && k < HistoryCapacity; ++k)
        window.historyCaptions << HistoryCaption(history.HistoryEntries[static_cast<size_t>(k)]);
}

void Session::TraitArticleMCalculs(int n)
{
    if (!HoldsEntry(history, n))
        return;
    const HistoryEntry& entry = history.HistoryEntries[static_cast<size_t>(n)];
    if (!FindCalculatorPanel(entry.Number))
        return;
    // The entry's unit comes back without counting as an option change.
    optionsStore_.SetUnitScale(entry.UnitScale);
    OpenCalculator(entry.Number);
    ReplayHistoryEntry(n);
}

void Session::ReplayHistoryEntry(int n)
{
    if (!HoldsEntry(history, n) || !HasCalculator())
        return;
    const HistoryEntry entry = history.HistoryEntries[static_cast<size_t>(n)];
    if (Top().Number != entry.Number)
        return;

    TCalculette& record = Top();
    PanelState& panel = TopPanel();
    const int term = std::clamp(entry.TermIndex, 0, MaxInputs - 1);
    for (int i = 0; i <= term; ++i)
        record.Inputs[static_cast<size_t>(i)] = entry.Inputs[static_cast<size_t>(i)];
    record.TermIndex = term;
    panel.formula = entry.Text;

    const CalculatorDescription& row = descriptions.Of(entry.Number);
    if (const std::optional<HistoryListRefill> refill = HistoryListRefillOf(row, entry, numbers_.Separator())) {
        panel.listRows = refill->rows;
        panel.listIndex = refill->selection;
    }
    if (row.historyKeyCodeInput >= 0 && row.historyKeyCodeInput < MaxInputs)
        keys.SetLastKeyCode(
            TruncatedIndex(entry.Inputs[static_cast<size_t>(row.historyKeyCodeInput)]).value_or(Code::None));

    if (!row.replayRecomputes) {
        panel.result = numbers_.NumberText(numbers_.LastFormulaTermValue(panel.formula));
        keys.SetCodes(Code::Equals);
        return;
    }

    const std::function<void(CalculatorContext&)> compute = FindComputeButton(entry.Number);
    RecomputingScope recomputing(keys);
    UpdateOperatorButtons(Top());
    if (compute)
        compute(context_);
}

} // namespace tornavel
