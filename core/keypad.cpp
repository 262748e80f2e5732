#include "core/session.h"

#include "core/numbers.h"

namespace tornavel {

namespace {

// A formula split before the number at its end (its markers stay in the head).
struct FormulaEnd {
    QString head;
    QString term;
};

FormulaEnd SplitLastTerm(const Session& e, const QString& formula)
{
    const int start = e.Numbers().LastTermStart(formula);
    return {formula.left(start), formula.mid(start)};
}

// After CE, a number left at the end of the formula that the result field does not
// show (it shows "0") is dangling: the next digit takes it back first. A number that
// CE gave back to the result field is not: digits continue it.
bool EndsWithDanglingNumber(const Session& e, const PanelState& panel)
{
    const QString& f = panel.formula;
    if (!f.isEmpty()) {
        switch (f.back().unicode()) {
        case '+': case '-': case '*': case '&': case '^': case '/':
            return false;
        default:
            break;
        }
        if (e.Numbers().FormulaEndsWithNumber(f) && panel.result == SplitLastTerm(e, f).term)
            return false;
    }
    return true;
}

// What the digit, comma and MR keys do before anything is entered: start over on a
// shown result, take back a dangling number, and after any other key (operator, "&&",
// a marker, a function key) start a new number. The formula and the result field then
// agree on the number being typed.
void PrepareEntry(Session& e, PanelState& panel, bool takeBackRecalled)
{
    KeyState& k = e.Keys();
    if ((k.KeyClass() != Code::Digit && (e.IsResultState(k.KeyClass()) || e.IsResultState(k.LastKeyCode())))
        || k.LastKeyCode() == Code::AfterUndo)
        e.CalculatriceCClick();
    if (takeBackRecalled && k.LastKeyCode() == Code::MemoryRecall)
        e.CalculatriceCEClick();
    if (k.KeyClass() == Code::AfterCE && EndsWithDanglingNumber(e, panel))
        e.CalculatriceCEClick();
    if (k.LastKeyCode() != Code::None && k.KeyClass() != Code::Digit) {
        // The first key replaces the number still shown, in the result field and in
        // the formula alike (a root or inverse marker in front of it stays).
        if (e.Numbers().FormulaEndsWithNumber(panel.formula)) {
            const FormulaEnd end = SplitLastTerm(e, panel.formula);
            if (IsNumberText(end.term, e.Numbers().Separator()))
                panel.formula = end.head;
        }
        panel.result.clear();
        k.SetLastKeyCode(Code::None);
    }
}

} // namespace

void Session::AppendKeyToEntry(const QString& key, PanelState& panel, bool wholeNumber)
{
    if (!keys.KeypadEnabled() || !HasCalculator())
        return;
    PrepareEntry(*this, panel, true);

    FormulaEnd end = SplitLastTerm(*this, panel.formula);
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
    panel.formula = end.head + end.term;
    panel.result = end.term;
    keys.SetKeyClass(Code::Digit);
}

void Session::PCalculatriceDigitClick(int digit)
{
    if (digit < 0 || digit > 9 || !HasCalculator())
        return;
    AppendKeyToEntry(QString(QChar(u'0' + digit)), TopPanel());
}

void Session::PCalculatriceVirguleClick()
{
    if (!keys.KeypadEnabled() || !HasCalculator())
        return;
    PanelState& panel = TopPanel();
    // While a number is typed the separator joins it (a number recalled by MR
    // included); after any other key a new number "0," begins.
    if (keys.KeyClass() != Code::Digit)
        PrepareEntry(*this, panel, false);

    const QString& s = numbers_.Separator();
    FormulaEnd end = SplitLastTerm(*this, panel.formula);
    const bool hasSeparator = !s.isEmpty() && end.term.contains(s);
    const bool hasExponent = end.term.contains(QLatin1Char('E')) || end.term.contains(QLatin1Char('e'));
    if (!hasSeparator && !hasExponent) {
        if (end.term.isEmpty() || end.term == QLatin1String("-"))
            end.term += QLatin1Char('0');
        end.term += s;
        panel.formula = end.head + end.term;
        panel.result = end.term;
        // A recalled number that the separator joined is now being typed: the next
        // digit continues it instead of taking it back.
        if (keys.LastKeyCode() == Code::MemoryRecall)
            keys.SetLastKeyCode(Code::None);
    }
    keys.SetKeyClass(Code::Digit);
}

void Session::PMR0Click()
{
    if (!keys.KeypadEnabled() || !HasCalculator())
        return;
    const QString t = numbers_.NumberText(keys.MemoryValue());
    if (keys.KeyClass() == Code::Digit || keys.KeyClass() == Code::ChangeSign)
        CalculatriceCEClick();
    AppendKeyToEntry(t, TopPanel(), true);
    keys.SetKeyClass(Code::Digit);
    keys.SetLastKeyCode(Code::MemoryRecall);
}

bool Session::FormKeyPress(QChar key)
{
    if (!HasCalculator())
        return false;
    const int n = Top().Number;
    switch (key.unicode()) {
    case 8:
        CalculatriceCEClick();
        return true;
    case 13:
    case '=':
        PCalculClick(n);
        return true;
    case 27:
        CalculatriceCClick();
        return true;
    case '&':
        if (!descriptions.Of(n).hasNextKey)
            return false;
        PEtClick(n);
        return true;
    // The operator keys of the calculator on screen that has them.
    case '+':
        return KeypadKeyClick(KeypadKey::Plus);
    case '-':
        return KeypadKeyClick(KeypadKey::Minus);
    case '*':
        return KeypadKeyClick(KeypadKey::Times);
    case '/':
        return KeypadKeyClick(KeypadKey::Divide);
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

bool Session::FormKeyDown(int keyCode, bool ctrl)
{
    if (!ctrl || !HasCalculator())
        return false;
    bool handled = false;
    if (keyCode == KeyC) {
        ui.SetClipboardText(TopPanel().result);
        handled = true;
    }
    if (keyCode == KeyA) {
        helpLinks_.OpenHelpPage(descriptions.Of(Top().Number).helpPageId);
        handled = true;
    }
    return handled;
}

} // namespace tornavel
