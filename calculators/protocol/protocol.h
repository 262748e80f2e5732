#pragma once

// The input protocol of the calculators 17 to 38: one engine for "&&" (next term),
// "f=" (compute), the choice in the list, the option buttons and CE, driven by the
// calculator's description (core/description.h: inputs, prompts, lists, centimetres,
// result code, option buttons) and by one ProtocolCalculator that says where the
// calculator departs from the common steps and gives its formula.
//
// Adding a calculator to the protocol:
//   1. a ProtocolCalculator with its flags and hooks, named, next to its formula in
//      the family folder;
//   2. its description row (family descriptions.cpp, registered in the catalogue):
//      its inputs, its title and help page strings, its menu item, the
//      sub-calculations it offers, and its keys: `row.keys = ProtocolKeys(itsProtocol)`;
//   3. its number in the menu's order (CalculatorsMenuOrder, calculators/install.cpp);
//   4. its title and help page texts in the string table (resources/uitext.tsv).
// The menus, the calculator lists, the help link and the panel follow from the row:
// nothing in ui/ or core/ changes. Its option buttons write a selection of its own, or
// the one of the group it names (OptionGroup::group); its result code is its family's.
//
// The steps, in words (n inputs, k = TermIndex, the input now open):
//   "&&"  after a result: C. Else, when input k is entered (a number typed, or a row
//         chosen) and k < n-1 and the formula does not end with "&": check it
//         (acceptsInput), store it (a length in centimetres times the unit factor,
//         rounded to 15 significant digits; a list input as its row), append "&",
//         show the prompt of input k+1 with the result field or the list, k+1.
//   list  a row chosen: a choice already written for this input is taken back by CE,
//         then the row's formula text is appended.
//   "f="  when the last input is entered, no result is shown, k = n-1 and the formula
//         does not end with "&" (or an option button re-runs it): read the last input
//         unless the step is a re-run, compute, show result, formula
//         "Label(terms)=result" and label, add the history entry, leave the result code.
//   CE    on a result: back to the last input, the terms in the formula; after "&&":
//         the closed input is open again; else the value being entered is dropped and
//         the formula rewritten from the stored inputs.
//   input error: CE, then "Erreur de saisie : Valeur non valide !".

#include "core/context.h"
#include "core/description.h"
#include "core/units.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tornavel {

// What a hook sees: the calculator's row, the stored inputs (lengths stored in
// centimetres already converted), the unit, the variant selection, and the texts of
// the program.
class ProtocolCall {
public:
    ProtocolCall(const CalculatorContext& context, const CalculatorDescription& calculatorRow,
                 const InputValues& storedInputs, int variantSelection)
        : row(calculatorRow), inputs(storedInputs), unitScaleCode(context.UnitScaleCode()),
          variant(variantSelection), context_(context)
    {
    }

    const CalculatorDescription& row;
    const InputValues& inputs;
    const int unitScaleCode;   // 1 mm, 10 cm, 25 inch, 1000 m
    const int variant;         // the option button that is on; 0 without option buttons

    bool inInches() const { return UnitOfMeasureOf(unitScaleCode).imperial; }
    // Text `id` of the string table.
    QString Text(int id) const { return context_.Str(id); }
    // The unit suffix in the user's unit: "(cm)", "(cm2)" ...
    QString Suffix(UnitSuffix suffix) const { return context_.UnitSuffixText(suffix); }
    // Text `id`, a blank and the suffix.
    QString TextWithSuffix(int id, UnitSuffix suffix) const { return Text(id) + QLatin1Char(' ') + Suffix(suffix); }
    // The row's result label as the formula writes it (its formula label when it has
    // one), and as shown beside the result, followed by its unit suffix if it has one.
    QString FormulaLabel() const
    {
        return Text(row.formulaLabelId >= 0 ? row.formulaLabelId : row.result.stringId);
    }
    QString ShownLabel() const
    {
        const Label& label = row.result;
        return label.suffix == UnitSuffix::None ? Text(label.stringId) : TextWithSuffix(label.stringId, label.suffix);
    }
    // A number as the screen shows it (15 significant digits, the user's separator).
    QString Number(double value) const { return context_.Numbers().NumberText(value); }

private:
    const CalculatorContext& context_;
};

// What "f=" found.
struct ProtocolOutcome {
    enum class Kind {
        Number,    // `value` is shown with 15 significant digits
        Text,      // `text` is shown (a section name); the memory register is left alone
        NoAnswer,  // "#NV" is shown, the history records it, then the lookup message
        Refused,   // the input-error path (CE, then the input-error message)
    };
    Kind kind = Kind::Refused;
    double value = 0.0;
    bool writesMemory = true;  // Number: the result goes into the memory register
    QString text;
    QString formulaLabel;      // written before "(terms)=" in the formula ("Section")
    QString shownLabel;        // LblResultatN under the result ("Section (cm)")
    // Number: the result text when it is not the value with 15 significant digits (a
    // count written in full); empty: the value's text.
    QString shownText;
    // The terms between the parentheses when the formula writes other values than the
    // stored inputs (a tread taken up to the whole centimetre); none: the row's `terms`.
    std::optional<QString> terms;

    static ProtocolOutcome Refuse() { return {}; }
    static ProtocolOutcome Number(double v, QString formulaLabel, QString shownLabel)
    {
        ProtocolOutcome o;
        o.kind = Kind::Number;
        o.value = v;
        o.formulaLabel = std::move(formulaLabel);
        o.shownLabel = std::move(shownLabel);
        return o;
    }
    static ProtocolOutcome Named(QString t, QString formulaLabel, QString shownLabel)
    {
        ProtocolOutcome o = Number(0.0, std::move(formulaLabel), std::move(shownLabel));
        o.kind = Kind::Text;
        o.text = std::move(t);
        return o;
    }
    static ProtocolOutcome Missing(QString formulaLabel, QString shownLabel)
    {
        ProtocolOutcome o = Number(0.0, std::move(formulaLabel), std::move(shownLabel));
        o.kind = Kind::NoAnswer;
        return o;
    }
};

// Which flag tells "f=" that it re-runs on the stored inputs, so that it does not read
// the last input again.
enum class RerunMarker {
    Recomputing,     // RecomputingFlag: a history replay or an option button
    VariantChanged,  // VariantChangedFlag: only an option button; a replay reads the
                     // last input back from the end of the restored formula
    None,            // the last input is always read again
};

// How "f=" may fail.
enum class ComputeRefusal {
    Never,    // no input-error path; a floating-point fault ends the key with its error box
    ByCheck,  // the formula's own checks refuse (Refused); a floating-point fault ends
              // the key with its error box
    Guarded,  // the checks and the formula run in one guarded block: any failure,
              // a division by zero included, takes the input-error path
};

// KeypadEnabled at the end of a successful "f=".
enum class KeypadAfter { Unchanged, Off, On };

// When "f=" puts the result field back in place of a list (a last input chosen in
// the list).
enum class ListAtCompute { Unchanged, HiddenBefore, HiddenAfter };

// The terms between the parentheses of the finished formula.
enum class TermsText {
    AsTyped,    // the formula text as it stands (the numbers as typed)
    Rewritten,  // the stored inputs written again: numbers with NumberToText (in the
                // user's unit), list inputs as their rows' formula texts
};

// One calculator of the protocol. The defaults are the common steps; each field says
// what differs. All hooks are plain functions; nullptr means "none". Its description
// row carries it in its keys (ProtocolKeys).
struct ProtocolCalculator {
    // ---- "&&" -------------------------------------------------------------------------
    // Checks the value that "&&" closes as input k (in centimetres when the input is
    // a length stored in centimetres; a row index for a list input). nullptr: "&&"
    // accepts every value. False takes the input-error path.
    bool (*acceptsInput)(const ProtocolCall& call, int k, double value) = nullptr;
    // "&&" leaves code 7 in LastKeyCode and KeyClass (23 and 33 leave them as they were).
    bool nextTermSetsCodes = true;

    // ---- CE ---------------------------------------------------------------------------
    // The prompt that CE shows for input k when it is not the one that "&&", C and the
    // layout show (18's section, 31's height); an empty text keeps that one.
    QString (*undoPrompt)(const ProtocolCall& call, int k) = nullptr;
    // The rows that CE puts in the list of input k when they are not the ones that
    // "&&", C and the layout show (33 lists the circuits by their short names); an empty
    // list keeps those.
    QStringList (*undoListRows)(int k) = nullptr;

    // ---- Lists ------------------------------------------------------------------------
    // The rows of list input k when they depend on the unit (18's section names, in
    // inches in inches); they are also its formula texts. nullptr: the description's.
    QStringList (*unitListRows)(int k, int unitScaleCode) = nullptr;
    // The list step's CE that takes back a previous choice counts as a reselection
    // (18, 23, 33, 35).
    bool listStepFlagsReselect = false;
    // CE that reopens a list input selects its stored row again, unless it runs as a
    // reselection (17, 18, 25, 26, 33, 34, 35).
    bool undoReselectsChoice = false;
    // CE that drops a choice being made leaves the list's selection as it is (23);
    // otherwise the list is left with no row selected.
    bool undoKeepsListSelection = false;

    // ---- "f=" -------------------------------------------------------------------------
    // The result from the stored inputs and the variant selection.
    ProtocolOutcome (*compute)(const ProtocolCall& call) = nullptr;
    RerunMarker rerunMarker = RerunMarker::Recomputing;
    ComputeRefusal refusal = ComputeRefusal::Guarded;
    KeypadAfter keypadAfter = KeypadAfter::Unchanged;
    // "f=" clears VariantChangedFlag at its end (23, 32, 33).
    bool clearsVariantChanged = false;
    ListAtCompute listAtCompute = ListAtCompute::Unchanged;
    TermsText terms = TermsText::Rewritten;
};

// ---- The steps (steps.cpp, undo.cpp) ------------------------------------------------
// Each acts on the calculator on screen, with its description: the engine runs a
// calculator's keys only while it is on screen.

void ProtocolNextTerm(CalculatorContext& context, const ProtocolCalculator& row);          // PEtNClick
void ProtocolCompute(CalculatorContext& context, const ProtocolCalculator& row);           // PCalculNClick
void ProtocolListChoice(CalculatorContext& context, const ProtocolCalculator& row, int listRow); // ListBoxNClick
void ProtocolOptionButton(CalculatorContext& context, const ProtocolCalculator& row, int index); // RbtnXxxClick
void ProtocolUndo(CalculatorContext& context, const ProtocolCalculator& row);              // UndoXxxInput
// CE, then the input-error message.
void ProtocolRefuseInput(CalculatorContext& context, const ProtocolCalculator& row);

// The rows of list input k as shown, and as written into the formula.
QStringList ProtocolListRows(const CalculatorContext& context, const ProtocolCalculator& row, int k);
QStringList ProtocolListTerms(const CalculatorContext& context, const ProtocolCalculator& row, int k);

// The text of the input-error message and of a lookup without answer.
inline constexpr char16_t ProtocolInputError[] = u"Erreur de saisie : Valeur non valide !";
inline constexpr char16_t ProtocolNoAnswer[] = u"Aucun résultat valide pour ces paramètres !";

// The keys of a calculator of the protocol, for its description row: "f=", "&&", CE,
// the list and the option buttons run the steps with `calculator`, which must outlive
// them (a calculator defined once, beside its formula).
CalculatorKeys ProtocolKeys(const ProtocolCalculator& calculator);

} // namespace tornavel
