#include "core/engine.h"

#include "core/menus.h"

namespace tornavel {

void Engine::FormCreate(const QString& resizableSetting)
{
    FormCreate(resizableSetting, SystemDecimalSeparator);
}

void Engine::FormCreate(const QString& resizableSetting, const QString& decimalSeparator)
{
    // Only the exact text "O" asks for a resizable window.
    WindowResizable = resizableSetting == QLatin1String("O");

    ProductName = Str(0, 20);
    ProductVersion = Str(133, 20);
    window.caption = ProductName;
    // The upgrade item always reads the program's own text.
    window.menuCaptions.insert(QStringLiteral("MiseANiveau"), strings.OwnStr(348));

    const QString nextHint = Str(134);
    for (PanelState& panel : panels) {
        panel.nextHint = panel.hasNextKey ? nextHint : QString();
        panel.formula.clear();
    }

    variants = VariantSelections{};
    for (PanelState& panel : panels) {
        for (RadioButtonState& radio : panel.radios)
            radio.checked = false;
    }
    keys.KeypadEnabled = true;
    keys.VariantChangedFlag = false;
    keys.ComboReselectFlag = false;

    CalculatorNames = ReadCalculatorTitles(strings);
    LoadMainCaptions();

    AngleUnitSuffix = QStringLiteral("(°)");
    keys.LastKeyCode = Code::None;
    keys.KeyClass = Code::None;
    SystemDecimalSeparator = decimalSeparator;
}

void Engine::LoadMainCaptions()
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
        window.menuCaptions.insert(QString::fromLatin1(c.item), Str(c.id));
    for (const CalculatorMenuEntry& entry : CalculatorMenuEntries()) {
        if (entry.item >= 0)
            window.menuCaptions.insert(QString::fromLatin1(entry.name), Str(entry.captionId));
    }
}

void Engine::FormActivate()
{
    // Later activations (a modal window closed, the window restored) do nothing.
    if (firstActivationDone)
        return;
    firstActivationDone = true;

    LoadOptionsFile(OptionsFilePath);
    keys.MemoryValue = 0.0;

    LoadHistoryFile(HistoryFilePath);
    keys.RecomputingFlag = false;

    // A damaged options file cannot name a calculator that does not exist.
    PushCalculator(IsCalculatorNumber(options.DefaultCalculator) ? options.DefaultCalculator : 0, -1);

    // The upgrade item appears, if at all, when the version list has answered.
    window.upgradeItemVisible = false;
    CheckForUpdate(ProductName + ProductVersion);
}

void Engine::FormClose()
{
    if (options.OptionsChanged)
        SaveOptionsFile(OptionsFilePath);
    SaveHistoryFile(HistoryFilePath);
    // The calculator records are plain data: discarding them hands nothing back.
}

} // namespace tornavel
