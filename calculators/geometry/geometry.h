#pragma once

// The geometry calculators' keys: the table-driven engine that the main window's
// buttons, the keyboard and the history reach through the calculators' keys. The
// handler names (PCalcul4Click, UndoSectorInput ...) are fields of each calculator's
// row.

#include "calculators/geometry/descriptions.h"
#include "core/context.h"

namespace tornavel {

// "&&": closes the number being typed as the next input.
void GeometryNextTerm(CalculatorContext& context, const GeometryCalculator& calculator);
// "f=": closes the last input, checks the inputs and shows the result.
void GeometryCompute(CalculatorContext& context, const GeometryCalculator& calculator);
// A row of the calculator's list was picked (the number of sides of 20).
void GeometryListChoice(CalculatorContext& context, const GeometryCalculator& calculator, int row);
// CE: takes back the last step of the input of the calculator on screen.
void GeometryUndo(CalculatorContext& context, const GeometryCalculator& calculator);

// The keys of a calculator's row, which run `calculator` (that must outlive them).
CalculatorKeys GeometryKeys(const GeometryCalculator& calculator);

// Shows prompt k of the calculator; for a list input also swaps result field and list.
void ShowGeometryPrompt(CalculatorContext& context, const GeometryCalculator& calculator, int k);

// The text of the input-error message.
inline constexpr char16_t GeometryInputError[] = u"Erreur de saisie : Valeur non valide !";

} // namespace tornavel
