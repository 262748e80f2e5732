#include "calculators/geometry/geometry.h"

namespace tornavel {

namespace {

const GeometryCalculator& Calculator(int number)
{
    return *FindGeometryCalculator(number);
}

} // namespace

// ---- Compute keys ("f=") ------------------------------------------------------------

void PCalcul1Click(Engine& engine) { GeometryCompute(engine, Calculator(1)); }
void PCalcul2Click(Engine& engine) { GeometryCompute(engine, Calculator(2)); }
void PCalcul3Click(Engine& engine) { GeometryCompute(engine, Calculator(3)); }
void PCalcul4Click(Engine& engine) { GeometryCompute(engine, Calculator(4)); }
void PCalcul5Click(Engine& engine) { GeometryCompute(engine, Calculator(5)); }
void PCalcul6Click(Engine& engine) { GeometryCompute(engine, Calculator(6)); }
void PCalcul7Click(Engine& engine) { GeometryCompute(engine, Calculator(7)); }
void PCalcul8Click(Engine& engine) { GeometryCompute(engine, Calculator(8)); }
void PCalcul9Click(Engine& engine) { GeometryCompute(engine, Calculator(9)); }
void PCalcul10Click(Engine& engine) { GeometryCompute(engine, Calculator(10)); }
void PCalcul11Click(Engine& engine) { GeometryCompute(engine, Calculator(11)); }
void PCalcul12Click(Engine& engine) { GeometryCompute(engine, Calculator(12)); }
void PCalcul13Click(Engine& engine) { GeometryCompute(engine, Calculator(13)); }
void PCalcul14Click(Engine& engine) { GeometryCompute(engine, Calculator(14)); }
void PCalcul15Click(Engine& engine) { GeometryCompute(engine, Calculator(15)); }
void PCalcul16Click(Engine& engine) { GeometryCompute(engine, Calculator(16)); }
void PCalcul20Click(Engine& engine) { GeometryCompute(engine, Calculator(20)); }
void PCalcul22Click(Engine& engine) { GeometryCompute(engine, Calculator(22)); }

// ---- Next-term keys ("&&") ---------------------------------------------------------

void PEt2Click(Engine& engine) { GeometryNextTerm(engine, Calculator(2)); }
void PEt4Click(Engine& engine) { GeometryNextTerm(engine, Calculator(4)); }
void PEt5Click(Engine& engine) { GeometryNextTerm(engine, Calculator(5)); }
void PEt6Click(Engine& engine) { GeometryNextTerm(engine, Calculator(6)); }
void PEt7Click(Engine& engine) { GeometryNextTerm(engine, Calculator(7)); }
void PEt8Click(Engine& engine) { GeometryNextTerm(engine, Calculator(8)); }
void PEt9Click(Engine& engine) { GeometryNextTerm(engine, Calculator(9)); }
void PEt10Click(Engine& engine) { GeometryNextTerm(engine, Calculator(10)); }
void PEt12Click(Engine& engine) { GeometryNextTerm(engine, Calculator(12)); }
void PEt13Click(Engine& engine) { GeometryNextTerm(engine, Calculator(13)); }
void PEt14Click(Engine& engine) { GeometryNextTerm(engine, Calculator(14)); }
void PEt15Click(Engine& engine) { GeometryNextTerm(engine, Calculator(15)); }
void PEt16Click(Engine& engine) { GeometryNextTerm(engine, Calculator(16)); }
void PEt20Click(Engine& engine) { GeometryNextTerm(engine, Calculator(20)); }

// ---- The polygon's list of side counts -----------------------------------------------

void ListBox20Click(Engine& engine, int row) { GeometryListChoice(engine, Calculator(20), row); }

// ---- CE routines ---------------------------------------------------------------------

void UndoCircleSphereInput(Engine& engine) { GeometryUndo(engine, CircleSphereUndo); }
void UndoEllipseInput(Engine& engine) { GeometryUndo(engine, EllipseUndo); }
void UndoSectorInput(Engine& engine) { GeometryUndo(engine, SectorUndo); }
void UndoCylinderInput(Engine& engine) { GeometryUndo(engine, CylinderUndo); }
void UndoConeInput(Engine& engine) { GeometryUndo(engine, ConeUndo); }
void UndoParallelogramInput(Engine& engine) { GeometryUndo(engine, ParallelogramUndo); }
void UndoTrapezoidInput(Engine& engine) { GeometryUndo(engine, TrapezoidUndo); }
void UndoHouseWallsInput(Engine& engine) { GeometryUndo(engine, HouseWallsUndo); }
void UndoPyramidInput(Engine& engine) { GeometryUndo(engine, PyramidUndo); }
void UndoHouseVolumeInput(Engine& engine) { GeometryUndo(engine, HouseVolumeUndo); }
void UndoPolygonInput(Engine& engine) { GeometryUndo(engine, PolygonUndo); }

namespace {

using Key = void (*)(Engine&);

struct GeometryKeys {
    int number;
    Key compute;
    Key nextTerm;
    Key undo;
};

// Single-input calculators have no "&&" key.
const GeometryKeys kGeometryKeys[] = {
    {1, PCalcul1Click, nullptr, UndoCircleSphereInput},
    {2, PCalcul2Click, PEt2Click, UndoEllipseInput},
    {3, PCalcul3Click, nullptr, UndoCircleSphereInput},
    {4, PCalcul4Click, PEt4Click, UndoSectorInput},
    {5, PCalcul5Click, PEt5Click, UndoEllipseInput},
    {6, PCalcul6Click, PEt6Click, UndoCylinderInput},
    {7, PCalcul7Click, PEt7Click, UndoConeInput},
    {8, PCalcul8Click, PEt8Click, UndoParallelogramInput},
    {9, PCalcul9Click, PEt9Click, UndoTrapezoidInput},
    {10, PCalcul10Click, PEt10Click, UndoHouseWallsInput},
    {11, PCalcul11Click, nullptr, UndoCircleSphereInput},
    {12, PCalcul12Click, PEt12Click, UndoCylinderInput},
    {13, PCalcul13Click, PEt13Click, UndoPyramidInput},
    {14, PCalcul14Click, PEt14Click, UndoPyramidInput},
    {15, PCalcul15Click, PEt15Click, UndoConeInput},
    {16, PCalcul16Click, PEt16Click, UndoHouseVolumeInput},
    {20, PCalcul20Click, PEt20Click, UndoPolygonInput},
    {22, PCalcul22Click, nullptr, UndoCircleSphereInput},
};

} // namespace

void InstallGeometryCalculators(std::array<CalculatorKeys, CalculatorCount>& keys)
{
    for (const GeometryKeys& k : kGeometryKeys) {
        CalculatorKeys& entry = keys[static_cast<size_t>(k.number)];
        entry.compute = k.compute;
        if (k.nextTerm)
            entry.nextTerm = k.nextTerm;
        entry.undo = k.undo;
    }
    keys[20].listChoice = ListBox20Click;
}

} // namespace tornavel
