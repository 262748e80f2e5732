#include "calculators/geometry/geometry.h"
#include "calculators/install.h"

namespace tornavel {

void InstallGeometryCalculators(CalculatorRegistry& rows, CalculatorKeyTable& keys)
{
    for (const GeometryCalculator& g : GeometryCalculators()) {
        rows.Register(g.description);
        CalculatorKeys& entry = keys[static_cast<size_t>(g.number())];
        const GeometryCalculator* calculator = &g;
        entry.compute = [calculator](Engine& e) { GeometryCompute(e, *calculator); };
        if (g.description.hasNextKey)
            entry.nextTerm = [calculator](Engine& e) { GeometryNextTerm(e, *calculator); };
        if (g.listInput() >= 0)
            entry.listChoice = [calculator](Engine& e, int row) { GeometryListChoice(e, *calculator, row); };
        entry.undo = [calculator](Engine& e) { GeometryUndo(e, *calculator); };
    }
}

} // namespace tornavel
