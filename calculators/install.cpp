#include "calculators/install.h"

#include "calculators/building/descriptions.h"
#include "calculators/converters/descriptions.h"
#include "calculators/electrical/descriptions.h"
#include "core/engine.h"

namespace tornavel {

void InstallCalculatorFamilies(Engine& engine)
{
    InstallStandardCalculator(engine.descriptions, engine.calculatorKeys);
    InstallGeometryCalculators(engine.descriptions, engine.calculatorKeys);
    InstallMathFunctionsCalculator(engine.descriptions, engine.calculatorKeys);
    InstallBuildingDescriptions(engine.descriptions);
    InstallElectricalDescriptions(engine.descriptions);
    InstallConverterDescriptions(engine.descriptions);
    // The protocol reads the rows registered above.
    InstallProtocolCalculators(engine.descriptions, engine.calculatorKeys);
}

} // namespace tornavel
