#include "core/keypad.h"

#include "core/calculator_stack.h"
#include "core/help_links.h"
#include "core/key_dispatch.h"
#include "core/numbers.h"
#include "core/screen.h"
#include "core/ui_services.h"

namespace tornavel {

namespace {

// A formula split before the number at its end (its markers stay in the head).
struct FormulaEnd {
    QString head;
    QString term;
};

FormulaEnd SplitLastTerm(const NumberRules& numbers, const QString& formula)
{
    const int start = numbers.LastTermStart(formula);
    return {formula.left(start), formula.mid(start)};
}

} // namespace

Keypad::Keypad(const CalculatorRegistry& descriptions, Screen& screen, CalculatorStack& stack, KeyState& keys,
               KeyDispatch& dispatch, const NumberRules& numbers, UiServices& ui, HelpLinks& help)
    : descriptions_(descriptions), screen_(screen), stack_(stack), keys_(keys), dispatch_(dispatch),
      numbers_(numbers), ui_(ui), help_(help)
{
}

int Keypad::OnScreen() const
{
    return stack_.Top().Number;
}

// After CE, a number left at the end of the formula that the result field does not
// show (it shows "0") is dangling: the next digit takes it back first. A number that
// CE gave back to the result field is not: digits continue it.
bool Keypad::EndsWithDanglingNumber() const
{
    const PanelState& panel = screen_.Panel(OnScreen());
    const QString& f = panel.formula;
    if (!f.isEmpty()) {
        switch (f.back().unicode()) {
        case '+': case '-': case '*': case '&': case '^': case '/':
            return false;
        default:
            break;
        }
        if (numbers_.FormulaEndsWithNumber(f) && panel.result == SplitLastTerm(numbers_, f).term)
            return false;
    }
    return true;
}

// What the digit, comma and MR keys do before anything is entered: start over on a
// shown result, take back a dangling number, and after any other key (operator, "&&",
// a marker, a function key) start a new number. The formula and the result field then
// agree on the number being typed.
void Keypad::PrepareEntry(bool takeBackRecalled)
{
    if ((keys_.KeyClass() != Code::Digit
         && (descriptions_.IsResultState(keys_.KeyClass()) || descriptions_.IsResultState(keys_.LastKeyCode())))
        || keys_.LastKeyCode() == Code::AfterUndo)
        stack_.CalculatriceCClick();
    if (takeBackRecalled && keys_.LastKeyCode() == Code::MemoryRecall)
        dispatch_.CalculatriceCEClick();
    if (keys_.KeyClass() == Code::AfterCE && EndsWithDanglingNumber())
        dispatch_.CalculatriceCEClick();
    if (keys_.LastKeyCode() != Code::None && keys_.KeyClass() != Code::Digit) {
        // The first key replaces the number still shown, in the result field and in
        // the formula alike (a root or inverse marker in front of it stays).
        const int n = OnScreen();
        const QString formula = screen_.Panel(n).formula;
        if (numbers_.FormulaEndsWithNumber(formula)) {
            const FormulaEnd end = SplitLastTerm(numbers_, formula);
            if (IsNumberText(end.term, numbers_.Separator()))
                screen_.SetFormula(end.head);
        }
        screen_.SetResult(QString());
        keys_.ForgetLastKey();
    }
}

void Keypad::AppendKeyToEntry(const QString& key, bool wholeNumber)
{
    if (!keys_.KeypadEnabled() || !stack_.HasCalculator())
        return;
    PrepareEntry(true);

    const int n = OnScreen();
    FormulaEnd end = SplitLastTerm(numbers_, screen_.Panel(n).formula);
    if (wholeNumber) {
        end.term = key;
    } else {
        // A lone "0" is replaced, never followed by another digit.
        const bool negative = end.term.startsWith(QLatin1Char('-'));
        QString digits = negative ? end.term.mid(1) : end.term;
        if (digits.isEmpty() || digits == QLatin1String("0"))
            digits = key;
        else
            digits += key;
        end.term = negative ? QLatin1Char('-') + digits : digits;
    }
    screen_.SetFormula(end.head + end.term);
    screen_.SetResult(end.term);
    keys_.Digit();
}

void Keypad::PCalculatriceDigitClick(int digit)
{
    if (digit < 0 || digit > 9 || !stack_.HasCalculator())
        return;
    AppendKeyToEntry(QString(QChar(u'0' + digit)), false);
}

void Keypad::PCalculatriceVirguleClick()
{
    if (!keys_.KeypadEnabled() || !stack_.HasCalculator())
        return;
    // While a number is typed the separator joins it (a number recalled by MR
    // included); after any other key a new number "0," begins.
    if (keys_.KeyClass() != Code::Digit)
        PrepareEntry(false);

    const int n = OnScreen();
    const QString& s = numbers_.Separator();
    FormulaEnd end = SplitLastTerm(numbers_, screen_.Panel(n).formula);
    const bool hasSeparator = !s.isEmpty() && end.term.contains(s);
    const bool hasExponent = end.term.contains(QLatin1Char('E')) || end.term.contains(QLatin1Char('e'));
    if (!hasSeparator && !hasExponent) {
        if (end.term.isEmpty() || end.term == QLatin1String("-"))
            end.term += QLatin1Char('0');
        end.term += s;
        screen_.SetFormula(end.head + end.term);
        screen_.SetResult(end.term);
        // A recalled number that the separator joined is now being typed: the next
        // digit continues it instead of taking it back.
        if (keys_.LastKeyCode() == Code::MemoryRecall)
            keys_.ForgetLastKey();
    }
    keys_.Digit();
}

void Keypad::PMR0Click()
{
    if (!keys_.KeypadEnabled() || !stack_.HasCalculator())
        return;
    const QString t = numbers_.NumberText(keys_.MemoryValue());
    if (keys_.KeyClass() == Code::Digit || keys_.KeyClass() == Code::ChangeSign)
        dispatch_.CalculatriceCEClick();
    AppendKeyToEntry(t, true);
    keys_.MemoryRecalled();
}

bool Keypad::FormKeyPress(QChar key)
{
    if (!stack_.HasCalculator())
        return false;
    const int n = OnScreen();
    switch (key.unicode()) {
    case 8:
        dispatch_.CalculatriceCEClick();
        return true;
    case 13:
    case '=':
        dispatch_.PCalculClick(n);
        return true;
    case 27:
        stack_.CalculatriceCClick();
        return true;
    case '&':
        if (!descriptions_.Of(n).hasNextKey)
            return false;
        dispatch_.PEtClick(n);
        return true;
    // The operator keys of the calculator on screen that has them.
    case '+':
        return dispatch_.KeypadKeyClick(KeypadKey::Plus);
    case '-':
        return dispatch_.KeypadKeyClick(KeypadKey::Minus);
    case '*':
        return dispatch_.KeypadKeyClick(KeypadKey::Times);
    case '/':
        return dispatch_.KeypadKeyClick(KeypadKey::Divide);
    case ',':
    case '.':
        PCalculatriceVirguleClick();
        return true;
    default:
        if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
            PCalculatriceDigitClick(key.unicode() - u'0');
            return true;
        }
        return false;
    }
}

bool Keypad::FormKeyDown(int keyCode, bool ctrl)
{
    if (!ctrl || !stack_.HasCalculator())
        return false;
    bool handled = false;
    if (keyCode == KeyC) {
        ui_.SetClipboardText(screen_.Panel(OnScreen()).result);
        handled = true;
    }
    if (keyCode == KeyA) {
        help_.OpenHelpPage(descriptions_.Of(OnScreen()).helpPageId);
        handled = true;
    }
    return handled;
}

} // namespace tornavel
