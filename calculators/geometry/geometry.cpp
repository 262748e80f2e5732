#include "calculators/geometry/geometry.h"
#include "calculators/install.h"

namespace tornavel {

void InstallGeometryCalculators(CalculatorRegistry& rows, CalculatorKeyTable& keys)
{
    for (const GeometryCalculator& g : GeometryCalculators()) {
        rows.Register(g.description);
        CalculatorKeys& entry = keys[static_cast<size_t>(g.number())];
        const GeometryCalculator* calculator = &g;
        entry.compute = [calculator](CalculatorContext& c) { GeometryCompute(c, *calculator); };
        if (g.description.hasNextKey)
            entry.nextTerm = [calculator](CalculatorContext& c) { GeometryNextTerm(c, *calculator); };
        if (g.listInput() >= 0)
            entry.listChoice = [calculator](CalculatorContext& c, int row) {
                GeometryListChoice(c, *calculator, row);
            };
        entry.undo = [calculator](CalculatorContext& c) { GeometryUndo(c, *calculator); };
    }
}

} // namespace tornavel
