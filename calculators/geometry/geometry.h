#pragma once

// The geometry calculators' keys: the table-driven engine and the named entries that
// the main window's buttons, the keyboard and the history reach through
// Engine::calculatorKeys.

#include "calculators/geometry/descriptors.h"
#include "core/engine.h"

namespace tornavel {

// ---- The engine (pattern.cpp, undo.cpp) -------------------------------------------

// "&&": closes the number being typed as the next input.
void GeometryNextTerm(Engine& engine, const GeometryCalculator& calculator);
// "f=": closes the last input, checks the inputs and shows the result.
void GeometryCompute(Engine& engine, const GeometryCalculator& calculator);
// A row of the calculator's list was picked (the number of sides of 20).
void GeometryListChoice(Engine& engine, const GeometryCalculator& calculator, int row);
// CE: takes back the last step of the input of the calculator on screen.
void GeometryUndo(Engine& engine, const GeometryUndoRoutine& routine);

// A prompt or label with its unit suffix when one applies.
QString GeometryLabelText(const Engine& engine, const GeometryLabel& label);
// Shows prompt k of the routine; for a list input also swaps result field and list.
void ShowGeometryPrompt(Engine& engine, const GeometryUndoRoutine& routine, int k);

// The rows of the polygon's list: its side counts as integer texts.
QStringList PolygonSideTexts(const Engine& engine);

// The text of the input-error message.
inline constexpr char16_t GeometryInputError[] = u"Erreur de saisie : Valeur non valide !";

// ---- Named entries (geometry.cpp) ---------------------------------------------------

void PCalcul1Click(Engine& engine);
void PCalcul2Click(Engine& engine);
void PCalcul3Click(Engine& engine);
void PCalcul4Click(Engine& engine);
void PCalcul5Click(Engine& engine);
void PCalcul6Click(Engine& engine);
void PCalcul7Click(Engine& engine);
void PCalcul8Click(Engine& engine);
void PCalcul9Click(Engine& engine);
void PCalcul10Click(Engine& engine);
void PCalcul11Click(Engine& engine);
void PCalcul12Click(Engine& engine);
void PCalcul13Click(Engine& engine);
void PCalcul14Click(Engine& engine);
void PCalcul15Click(Engine& engine);
void PCalcul16Click(Engine& engine);
void PCalcul20Click(Engine& engine);
void PCalcul22Click(Engine& engine);

void PEt2Click(Engine& engine);
void PEt4Click(Engine& engine);
void PEt5Click(Engine& engine);
void PEt6Click(Engine& engine);
void PEt7Click(Engine& engine);
void PEt8Click(Engine& engine);
void PEt9Click(Engine& engine);
void PEt10Click(Engine& engine);
void PEt12Click(Engine& engine);
void PEt13Click(Engine& engine);
void PEt14Click(Engine& engine);
void PEt15Click(Engine& engine);
void PEt16Click(Engine& engine);
void PEt20Click(Engine& engine);

void ListBox20Click(Engine& engine, int row);

void UndoCircleSphereInput(Engine& engine);
void UndoEllipseInput(Engine& engine);
void UndoSectorInput(Engine& engine);
void UndoCylinderInput(Engine& engine);
void UndoConeInput(Engine& engine);
void UndoParallelogramInput(Engine& engine);
void UndoTrapezoidInput(Engine& engine);
void UndoHouseWallsInput(Engine& engine);
void UndoPyramidInput(Engine& engine);
void UndoHouseVolumeInput(Engine& engine);
void UndoPolygonInput(Engine& engine);

} // namespace tornavel
