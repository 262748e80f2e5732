#include "calculators/install.h"

#include "calculators/building/descriptions.h"
#include "calculators/converters/descriptions.h"
#include "calculators/electrical/descriptions.h"

namespace tornavel {

void InstallCalculatorFamilies(CalculatorCatalogue& catalogue)
{
    InstallStandardCalculator(catalogue.Rows(), catalogue.Keys());
    InstallGeometryCalculators(catalogue.Rows(), catalogue.Keys());
    InstallMathFunctionsCalculator(catalogue.Rows(), catalogue.Keys());
    InstallBuildingDescriptions(catalogue.Rows());
    InstallElectricalDescriptions(catalogue.Rows());
    InstallConverterDescriptions(catalogue.Rows());
    // The protocol reads the rows registered above.
    InstallProtocolCalculators(catalogue.Rows(), catalogue.Keys());
}

} // namespace tornavel
