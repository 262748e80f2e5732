#include "calculators/geometry/geometry.h"
#include "calculators/install.h"

namespace tornavel {

CalculatorKeys GeometryKeys(const GeometryCalculator& calculator)
{
    const GeometryCalculator* g = &calculator;
    CalculatorKeys keys;
    keys.compute = [g](CalculatorContext& c) { GeometryCompute(c, *g); };
    if (g->description.hasNextKey)
        keys.nextTerm = [g](CalculatorContext& c) { GeometryNextTerm(c, *g); };
    if (g->listInput() >= 0)
        keys.listChoice = [g](CalculatorContext& c, int row) { GeometryListChoice(c, *g, row); };
    keys.undo = [g](CalculatorContext& c) { GeometryUndo(c, *g); };
    return keys;
}

void InstallGeometryCalculators(CalculatorRegistry& rows)
{
    std::vector<CalculatorDescription> family;
    for (const GeometryCalculator& g : GeometryCalculators())
        family.push_back(g.description);
    rows.Register(std::move(family));
}

} // namespace tornavel
