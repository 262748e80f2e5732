#include "core/screen.h"

#include "core/menus.h"
#include "core/units.h"

#include <algorithm>

namespace tornavel {

namespace {

const QString kAngleUnitSuffix = QStringLiteral("(°)");

} // namespace

Screen::Screen(const CalculatorRegistry& descriptions, const StringTable& strings, const OptionsStore& options,
               KeyState& keys, const NumberRules& numbers)
    : descriptions_(descriptions), strings_(strings), options_(options), keys_(keys), numbers_(numbers)
{
    // The panels are built from the rows.
    const int count = descriptions_.Count();
    panels_.resize(static_cast<size_t>(count));
    selections_.assign(static_cast<size_t>(descriptions_.SelectionCount()), 0);
    calculatorNames_.resize(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n) {
        const CalculatorDescription& row = descriptions_.Of(n);
        PanelState& p = panels_[static_cast<size_t>(n)];
        p.number = n;
        p.kind = row.kind;
        p.hasNextKey = row.hasNextKey;
        p.hasList = row.hasList();
        p.computeHint = row.computeHint;
        for (const OptionButton& button : row.options.buttons)
            p.radios.push_back({QString::fromLatin1(button.name), button.caption, false});
    }
}

QString Screen::CalculatorName(int number) const
{
    if (!descriptions_.Has(number))
        return QString();
    return calculatorNames_[static_cast<size_t>(number)];
}

int& Screen::SelectionSlot(int number)
{
    const int selection = descriptions_.SelectionOf(number);
    if (selection < 0) {
        // A calculator without option buttons writes a scratch value that nothing reads.
        noSelection_ = 0;
        return noSelection_;
    }
    return selections_[static_cast<size_t>(selection)];
}

int Screen::OptionSelection(int number) const
{
    const int selection = descriptions_.SelectionOf(number);
    return selection < 0 ? 0 : selections_[static_cast<size_t>(selection)];
}

// ---------------------------------------------------------------------------
// Start-up
// ---------------------------------------------------------------------------

void Screen::FormCreate(const QString& caption)
{
    window_.caption = caption;
    // The upgrade item always reads the program's own text.
    window_.menuCaptions.insert(QStringLiteral("MiseANiveau"), strings_.OwnStr(348));

    const QString nextHint = Str(134);
    for (PanelState& panel : panels_) {
        panel.nextHint = panel.hasNextKey ? nextHint : QString();
        panel.formula.clear();
        for (RadioButtonState& radio : panel.radios)
            radio.checked = false;
    }
    std::fill(selections_.begin(), selections_.end(), 0);

    calculatorNames_ = ReadCalculatorTitles(strings_, descriptions_);
    LoadMainCaptions();
}

void Screen::LoadMainCaptions()
{
    struct Caption {
        const char* item;
        int id;
    };
    static constexpr Caption kCaptions[] = {
        {"AideTornavel", 185},
        {"Collaboration", 186},
        {"AstucesTornavel", 187},
        {"PagePresentationTornavel", 188},
        {"SiteInternetAuteur", 189},
        {"AproposdeTornavel", 190},
        {"UniteMesure", 120},
        {"SelCalculetteDefaut", 191},
        {"SelCalculetteFavorites", 192},
    };
    for (const Caption& c : kCaptions)
        window_.menuCaptions.insert(QString::fromLatin1(c.item), Str(c.id));
    for (const CalculatorMenuEntry& entry : descriptions_.Menu()) {
        if (entry.item >= 0)
            window_.menuCaptions.insert(entry.name, Str(descriptions_.Of(entry.calculator).titleId));
    }
}

// ---------------------------------------------------------------------------
// Unit suffixes
// ---------------------------------------------------------------------------

bool Screen::UnitSuffixShown(const TCalculette* record) const
{
    if (UnitsAlwaysShown())
        return true;
    return record && descriptions_.Has(record->Target) && descriptions_.SubCalculationsShowUnits(record->Target);
}

QString Screen::UnitSuffixText(UnitSuffix suffix) const
{
    const Options& options = options_.Values();
    switch (suffix) {
    case UnitSuffix::Length: return options.LengthUnitSuffix;
    case UnitSuffix::Area: return options.AreaUnitSuffix;
    case UnitSuffix::Volume: return options.VolumeUnitSuffix;
    case UnitSuffix::Yield: return options.YieldUnitSuffix;
    case UnitSuffix::Angle: return kAngleUnitSuffix;
    case UnitSuffix::RafterSection:
        return UnitOfMeasureOf(options.UnitScaleCode).imperial ? options.LengthUnitSuffix : QStringLiteral("(cm)");
    case UnitSuffix::None: break;
    }
    return QString();
}

QString Screen::WithUnitSuffix(int stringId, UnitSuffix suffix, bool shown) const
{
    QString text = Str(stringId);
    if (shown && suffix != UnitSuffix::None)
        text += QLatin1Char(' ') + UnitSuffixText(suffix);
    return text;
}

QString Screen::PromptWithSuffix(int promptId, UnitSuffix suffix, bool always, const TCalculette* record) const
{
    return WithUnitSuffix(promptId, suffix, always || UnitSuffixShown(record));
}

QString Screen::LabelText(const Label& label, const TCalculette* record, bool atLayout) const
{
    if (label.stringId < 0)
        return QString();
    const bool always = label.shown == SuffixShown::Always || (label.shown == SuffixShown::ByRuleAtLayout && !atLayout);
    return PromptWithSuffix(label.stringId, label.suffix, always, record);
}

// ---------------------------------------------------------------------------
// Layout and gating
// ---------------------------------------------------------------------------

QStringList Screen::ListRowsOf(const TCalculette& record, int input) const
{
    const CalculatorDescription& row = descriptions_.Of(record.Number);
    if (input < 0 || input >= row.inputCount())
        return {};
    const InputDescription& in = row.inputs[static_cast<size_t>(input)];
    return in.rows ? in.rows(record.Inputs, numbers_.Separator()) : QStringList();
}

void Screen::ShowInput(const TCalculette& record, int t, bool refillFirstList, bool atLayout)
{
    PanelState& panel = panels_[static_cast<size_t>(record.Number)];
    const CalculatorDescription& row = descriptions_.Of(record.Number);
    if (row.inputs.empty())
        return;
    t = std::clamp(t, 0, row.inputCount() - 1);
    const InputDescription& input = row.inputs[static_cast<size_t>(t)];
    panel.prompt = LabelText(input.prompt, &record, atLayout);
    // A list input is chosen in the list, which takes the place of the result field,
    // not typed.
    panel.listVisible = input.list;
    panel.resultVisible = !input.list;
    keys_.InputShown(!input.list);
    // A first input chosen in a list starts from the full list, nothing selected.
    if (input.list && t == 0 && refillFirstList) {
        panel.listRows = ListRowsOf(record, 0);
        panel.listIndex = -1;
    }
}

// The formula fold: the result text replaces the number being typed at the end of the
// formula or follows a trailing operator. A result "0" that was not returned by a
// sub-calculation leaves the formula as it is.
QString Screen::FoldResultIntoFormula(const QString& formula, const QString& result, bool returned) const
{
    if (result == QLatin1String("0") && !returned)
        return formula;
    QString folded = formula;
    // A number being typed at the end is replaced whole, its sign and exponent included.
    if (numbers_.FormulaEndsWithNumber(folded))
        folded.truncate(numbers_.LastTermStart(folded));
    return folded + result;
}

void Screen::LayoutCalculator(TCalculette& record, bool valueReturned)
{
    const int n = record.Number;
    if (!descriptions_.Has(n))
        return;
    PanelState& panel = panels_[static_cast<size_t>(n)];

    // Only this calculator's panel is on screen.
    for (PanelState& p : panels_)
        p.visible = false;
    panel.visible = true;
    window_.visiblePanel = n;

    // The calculators it may open as sub-calculations, in the order of the lists.
    window_.offeredRows.clear();
    record.OfferedCalculators.clear();
    for (int c : descriptions_.ListOrder()) {
        if (descriptions_.Offers(n, c)) {
            window_.offeredRows.append(CalculatorName(c));
            record.OfferedCalculators.push_back(c);
        }
    }

    if (panel.result.isEmpty())
        panel.result = QStringLiteral("0");
    if (panel.result != QLatin1String("0") || !panel.formula.isEmpty() || valueReturned)
        panel.formula = FoldResultIntoFormula(panel.formula, panel.result, valueReturned);

    keys_.ForgetLastKey();
    window_.statusText = CalculatorName(n);

    if (panel.formula.isEmpty())
        record.TermIndex = 0;

    const CalculatorDescription& row = descriptions_.Of(n);
    keys_.InputShown(true);
    ShowInput(record, record.TermIndex, true, true);

    if (!row.options.buttons.empty()) {
        int selection = OptionSelection(n);
        if (row.options.ownOption)
            selection = row.options.ownOption(selection);
        if (selection >= 0 && selection < static_cast<int>(panel.radios.size())) {
            for (size_t i = 0; i < panel.radios.size(); ++i)
                panel.radios[i].checked = static_cast<int>(i) == selection;
        }
    }

    UpdateOperatorButtons(record);
}

void Screen::UpdateOperatorButtons(const TCalculette& record)
{
    if (!descriptions_.Has(record.Number))
        return;
    PanelState& panel = panels_[static_cast<size_t>(record.Number)];
    const int threshold = descriptions_.Of(record.Number).nextTermThreshold();
    if (threshold >= 0) {
        const bool ready = record.TermIndex >= threshold;
        panel.computeEnabled = ready;
        panel.nextEnabled = !ready;
    }
    panel.memoryEnabled = keys_.KeypadEnabled();
}

// ---------------------------------------------------------------------------
// Fields and menus
// ---------------------------------------------------------------------------

PanelState* Screen::OnScreenPanel()
{
    return descriptions_.Has(window_.visiblePanel) ? &panels_[static_cast<size_t>(window_.visiblePanel)] : nullptr;
}

void Screen::SetResult(const QString& text)
{
    if (PanelState* panel = OnScreenPanel())
        panel->result = text;
}

void Screen::SetFormula(const QString& text)
{
    if (PanelState* panel = OnScreenPanel())
        panel->formula = text;
}

void Screen::HandBack(int caller, const QString& text)
{
    if (descriptions_.Has(caller))
        panels_[static_cast<size_t>(caller)].result = text;
}

void Screen::ResetPanelFields(int number)
{
    if (!descriptions_.Has(number))
        return;
    PanelState& panel = panels_[static_cast<size_t>(number)];
    panel.result = QStringLiteral("0");
    panel.formula.clear();
}

void Screen::SetList(const QStringList& rows, int selection)
{
    if (PanelState* panel = OnScreenPanel()) {
        panel->listRows = rows;
        panel->listIndex = selection;
    }
}

void Screen::SetPrompt(const QString& text)
{
    if (PanelState* panel = OnScreenPanel())
        panel->prompt = text;
}

void Screen::ShowInputField(InputField field)
{
    PanelState* panel = OnScreenPanel();
    if (!panel)
        return;
    panel->listVisible = field == InputField::List;
    panel->resultVisible = !panel->listVisible;
    if (field != InputField::ResultInPlace)
        keys_.InputShown(field == InputField::Typed);
}

void Screen::SelectListRow(int row)
{
    if (PanelState* panel = OnScreenPanel())
        panel->listIndex = row;
}

void Screen::ChooseOption(int number, int index)
{
    if (!descriptions_.Has(number))
        return;
    SelectionSlot(number) = index;
    // As when the calculator is laid out: a selection beyond the buttons checks none
    // and leaves them as they are.
    PanelState& panel = panels_[static_cast<size_t>(number)];
    if (index < 0 || index >= static_cast<int>(panel.radios.size()))
        return;
    for (size_t i = 0; i < panel.radios.size(); ++i)
        panel.radios[i].checked = static_cast<int>(i) == index;
}

void Screen::ResetOption(int number)
{
    if (!descriptions_.Has(number))
        return;
    SelectionSlot(number) = 0;
    PanelState& panel = panels_[static_cast<size_t>(number)];
    for (size_t i = 0; i < panel.radios.size(); ++i)
        panel.radios[i].checked = i == 0;
}

void Screen::SetHistoryCaptions(const QStringList& captions)
{
    window_.historyCaptions = captions;
}

void Screen::SetFavouriteItems(const QStringList& captions, const std::array<bool, FavouriteSlotCount>& shown)
{
    window_.favouriteCaptions = captions;
    window_.favouriteShown = shown;
}

} // namespace tornavel
