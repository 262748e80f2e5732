#pragma once

// What one calculator is, written once. Layout, C, CE, the "&&"/"f=" gating, the
// history captions and replay, the keyboard table and the views read these rows, and
// the engine runs the keys each row carries; a family folder (calculators/<family>/)
// holds the rows of its calculators next to their formulas and hooks, and registers
// them with the engine.

#include "core/options.h"
#include "core/state.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace tornavel {

// A calculator title is read into a buffer of this many characters, so a longer text
// keeps its first 149 characters.
inline constexpr int CalculatorNameBufferSize = 150;

// Input values by term index, as stored in the calculator record (a list choice is
// its row index).
using InputValues = std::array<double, MaxInputs>;

// When a unit suffix follows a prompt or a result label.
enum class SuffixShown {
    ByRule, // when units are shown (always, or as a sub-calculation of a calculator that shows them)
    Always,
    // By rule when the calculator is laid out (opened, or back from a sub-calculation),
    // always after C and the calculator's own steps.
    ByRuleAtLayout,
};

// A prompt or a result label: its string number and its unit suffix.
struct Label {
    int stringId = -1;                  // -1: no label
    UnitSuffix suffix = UnitSuffix::None;
    SuffixShown shown = SuffixShown::ByRule;
};

// The rows of a list input, given the inputs already closed (the points of a circuit
// depend on the circuit chosen before) and the decimal separator of number rows.
using ListRowsFunction = QStringList (*)(const InputValues& closed, const QString& separator);

// One input of a calculator, in input order.
struct InputDescription {
    Label prompt{};
    bool list = false;                  // chosen in ListBoxN instead of typed
    ListRowsFunction rows = nullptr;    // list input: the rows shown
    ListRowsFunction shortTexts = nullptr; // list input: the formula terms; nullptr: the rows
    bool centimetres = false;           // a length that the formula takes in centimetres
};

// The detail that follows a history caption's "Title: " when the calculator's first
// input says too little (the function chosen on a function keypad); nullptr: the first
// input.
using HistoryDetailFunction = QString (*)(const InputValues& inputs, const QString& terms);

// One option button (RbtnCiment ...) with its caption.
struct OptionButton {
    const char* name = nullptr;         // objectName
    QString caption{};
};

// The option buttons of a calculator and the selection they write, which the screen
// keeps. Calculators that offer the same choice share one selection by naming the same
// group; ownOption then maps it onto each one's buttons.
struct OptionGroup {
    std::vector<OptionButton> buttons{};
    // The name of the shared selection; nullptr: a selection of the calculator's own.
    // A calculator without buttons has no selection.
    const char* group = nullptr;
    // The button that stands for a shared selection, for calculators that lack some
    // of the options of the calculators sharing it; nullptr: the selection itself,
    // and none checked for a selection beyond the buttons.
    int (*ownOption)(int sharedSelection) = nullptr;
};

// How a calculator is worked, and so which keys its panel has.
enum class CalculatorKind {
    // Its inputs are asked for one by one, each closed by "&&" (PEtN), and "f="
    // (PCalculN) computes the result: a prompt, the result field or a list, and option
    // buttons for the calculators that have them.
    InputProtocol,
    // Keypad calculators: a formula typed on the keypad and its keys, its result by
    // "=", no prompt. The arithmetic one has + - * / root, 1/x and MS; the function one
    // sin, cos, tan, inv, pi, x^y and the sign.
    ArithmeticKeypad,
    FunctionKeypad,
};

// The operator and function keys of the keypad calculators (the standard calculator's
// PCalculatricePlus .. PMS, the mathematical functions' PCalculatriceSin ..
// PCalculatriceInvSigne). Their "=" keys are the calculators' compute keys.
enum class KeypadKey {
    Plus,             // PCalculatricePlusClick
    Minus,            // PCalculatriceMoinsClick
    Times,            // PCalculatriceMultClick
    Divide,           // PCalculatriceSlashClick
    Root,             // PCalculatriceRacClick
    Inverse,          // PCalculatriceInverseClick (1/x)
    MemoryStore,      // PMSClick
    Sine,             // PCalculatriceSinClick
    Cosine,           // PCalculatriceCosClick
    Tangent,          // PCalculatriceTanClick
    InverseFunction,  // PCalculatriceInvClick
    Pi,               // PCalculatricePiClick
    Power,            // PCalculatricePuisClick (x^y)
    ChangeSign,       // PCalculatriceInvSigneClick (+/-)
};

// What the keys of a calculator receive (core/context.h).
class CalculatorContext;

// The keys of one calculator, which its family writes into its row. The engine runs a
// calculator's keys only while that calculator is on screen; an empty key does nothing.
struct CalculatorKeys {
    std::function<void(CalculatorContext&)> compute{};            // PCalculNClick ("f=")
    std::function<void(CalculatorContext&)> nextTerm{};           // PEtNClick ("&&")
    std::function<void(CalculatorContext&)> undo{};               // the calculator's CE routine
    std::function<void(CalculatorContext&, int)> listChoice{};    // ListBoxNClick with the chosen row
    std::function<void(CalculatorContext&, int)> variantChoice{}; // an option button, by its index
    // An operator or function key of a keypad calculator; false for a key that the
    // calculator does not have.
    std::function<bool(CalculatorContext&, KeypadKey)> keypadKey{};
};

struct CalculatorDescription {
    int number = -1;
    CalculatorKind kind = CalculatorKind::InputProtocol;
    int titleId = -1;                   // string number of its title
    int helpPageId = -1;                // string number of its help page (Ctrl+A)
    // K of CalculetteK, the name of the item that opens it in the calculators menu; the
    // menu's order is the registry's (CalculatorRegistry::SetMenuOrder).
    int menuItem = -1;
    // The calculators its sub-calculation list offers (shown in the order of the
    // calculator lists), and whether those sub-calculations show the unit suffixes
    // that are otherwise shown only when the user asks for units always.
    std::vector<int> offers{};
    bool offersEveryCalculator = false;  // every calculator of the catalogue, itself included
    bool subCalculationsShowUnits = false;

    int resultCode = Code::None;        // left in LastKeyCode/KeyClass by a result
    std::vector<InputDescription> inputs{}; // empty for the keypad calculators
    Label result{};                     // label shown with the result
    OptionGroup options{};
    bool hasNextKey = true;             // PEtN (absent on the one-input calculators)
    QString computeHint{};              // hint of PCalculN

    // The label of the result inside the formula ("Peinture(...)=") when it differs
    // from the one shown beside the result ("Peinture (litres)"); -1: the same.
    int formulaLabelId = -1;
    // C also puts the option selection back to the first button.
    bool clearResetsOption = false;
    // The history replay refills the list of this input (-1: the last list input)
    // and selects the stored choice unless told not to.
    int replayListInput = -1;
    bool replaySelects = true;
    HistoryDetailFunction historyDetail = nullptr;
    // A history entry keeps the inputs closed so far; a calculator without inputs
    // keeps none, and its slot keeps what it held.
    bool historyKeepsInputs = true;
    // The input in which a history entry keeps the key code that the compute key
    // reads (the function chosen), restored before the replay; -1: none.
    int historyKeyCodeInput = -1;
    // The history replay presses the compute key on the restored inputs; otherwise it
    // shows the restored formula's last term as the result, which the formula already
    // holds.
    bool replayRecomputes = true;

    // Its keys: "f=", "&&", CE, the list, the option buttons, the keypad's operators.
    CalculatorKeys keys{};

    bool isKeypad() const { return kind != CalculatorKind::InputProtocol; }

    // The input whose list the history replay refills, or -1 when it has none.
    int replayList() const
    {
        if (replayListInput >= 0)
            return replayListInput;
        for (int i = inputCount() - 1; i >= 0; --i) {
            if (inputs[static_cast<size_t>(i)].list)
                return i;
        }
        return -1;
    }
    bool hasList() const { return replayList() >= 0; }

    int inputCount() const { return static_cast<int>(inputs.size()); }
    // The "&&" steps before "f=" is enabled; -1 for the calculators whose keys are not
    // gated (the keypad calculators and the one-input ones).
    int nextTermThreshold() const { return inputCount() < 2 ? -1 : inputCount() - 1; }
};

// An item or a separator of the calculators menu, in display order.
struct CalculatorMenuEntry {
    QString name;        // objectName: CalculetteK for an item, N1, N2 ... for a separator
    int item = -1;       // K of CalculetteK, -1 for a separator
    int calculator = -1; // calculator opened by the item, -1 for a separator
};

// A line of the calculators menu's order (CalculatorRegistry::SetMenuOrder): a
// calculator number, or a separator.
inline constexpr int MenuSeparator = -1;

// The rows of the calculators, registered by their families at start-up, which it
// keeps (copies of a registry share them). A number no family registered reads an
// empty row.
// What the menus and lists show of the calculators is derived here from the rows, as
// they are registered; nothing else lists calculators by number.
class CalculatorRegistry {
public:
    // Registers the rows of one family. Rows of one family may share a result code; a
    // number already registered, a result code that another family registered or that
    // the keypad's keys leave (Code::KeypadCodes), a menu item, title or help page
    // string that another calculator has, or a row without a number, is a
    // programming error: std::logic_error, naming it, and nothing of the family is
    // registered.
    void Register(std::vector<CalculatorDescription> family);
    // Serves `row` in place of the row registered under its number, for a test that
    // stands in for a calculator's keys.
    void Replace(std::shared_ptr<const CalculatorDescription> row);
    // The menu's order, top to bottom: calculator numbers and MenuSeparator. A
    // number not registered is left out; a separator shows only before an item.
    void SetMenuOrder(std::vector<int> order);

    const CalculatorDescription& Of(int number) const;
    bool Has(int number) const;
    // One more than the highest number registered: the calculator numbers run from 0
    // to Count() - 1.
    int Count() const { return static_cast<int>(rows_.size()); }

    // The calculators menu: an item per calculator of the menu's order that has a
    // menu item, and its separators, named N1, N2 ... from the top.
    const std::vector<CalculatorMenuEntry>& Menu() const { return menu_; }
    // The calculator of menu item K, and the item K of a calculator; -1 for none.
    int CalculatorOfMenuItem(int item) const;
    int MenuItemOfCalculator(int calculator) const;

    // The order of the calculator lists (sub-calculations, default and favourites):
    // the keypad calculators first, then the others, each group by number.
    const std::vector<int>& ListOrder() const { return listOrder_; }

    // True when calculator `onScreen` offers `offered` as a sub-calculation.
    bool Offers(int onScreen, int offered) const;
    // True when a sub-calculation opened from `caller` shows its unit suffixes.
    bool SubCalculationsShowUnits(int caller) const;

    // The option selections: one for each group named by the rows and one for each row
    // with buttons of its own, numbered from 0 to SelectionCount() - 1. The selection
    // of a calculator, or -1 for one without option buttons.
    int SelectionCount() const { return selectionCount_; }
    int SelectionOf(int number) const;

    // True when the code in LastKeyCode or KeyClass means that a result is shown: the
    // keypad calculators' "=" or the result code of a registered row.
    bool IsResultState(int code) const;

    // The titles by calculator number, each text read through `loadString` by its
    // row's title number and cut to CalculatorNameBufferSize - 1 characters; empty
    // for a number without a row.
    std::vector<QString> Titles(const std::function<QString(int stringId)>& loadString) const;

private:
    void Derive();

    std::vector<std::shared_ptr<const CalculatorDescription>> rows_; // by number
    std::vector<int> menuOrder_;
    std::vector<CalculatorMenuEntry> menu_;
    std::vector<int> listOrder_;
    std::vector<int> resultCodes_; // sorted, each once
    std::vector<int> selections_;  // by calculator number
    int selectionCount_ = 0;
};

} // namespace tornavel
