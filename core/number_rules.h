#pragma once

// The rules that read and write the numbers of a formula in the user's decimal
// separator: number to text and back, where the last term of a formula starts, and
// the number being entered on a panel. Pure: every rule is const and reads only the
// separator it was made with (NormalizeEnteredNumber changes only the panel it is given).

#include "core/panel.h"

#include <QString>

namespace tornavel {

class NumberRules {
public:
    explicit NumberRules(QString separator = QStringLiteral(",")) : separator_(std::move(separator)) {}

    // The decimal separator of every number on screen.
    const QString& Separator() const { return separator_; }

    // A number as the screen shows it (15 significant digits), and a text read back.
    QString NumberText(long double value) const;
    long double TextNumber(const QString& text) const;

    // The formula ends with a digit or with the separator.
    bool FormulaEndsWithNumber(const QString& formula) const;
    // Index (0-based) where the last term starts: after the last operator that is not
    // the sign of the number (a "-" right after an operator, "(" or "E" belongs to the
    // number). Root markers count as operators, also one that opens the formula ("R9"
    // gives 1); 0 when there is no operator.
    int LastTermStart(const QString& formula) const;
    // The value of the last term; 0 for none.
    double LastFormulaTermValue(const QString& formula) const;
    long double LastFormulaTermExtended(const QString& formula) const;
    // A number being entered that ends with the separator, ends with a zero after it or
    // starts with it is written tidily, in the result field and at the end of the formula.
    void NormalizeEnteredNumber(PanelState& panel) const;
    // A number is there: the result field shows one other than "0", or the formula
    // ends with one.
    bool EntryPresent(const PanelState& panel) const;
    // The number being entered: the result field's while it shows one other than "0",
    // else the last term of the formula (a typed "0" is read there).
    double EnteredValue(const PanelState& panel) const;

private:
    QString separator_;
};

} // namespace tornavel
