#include "calculators/install.h"

#include "calculators/building/descriptions.h"
#include "calculators/converters/descriptions.h"
#include "calculators/electrical/descriptions.h"

namespace tornavel {

void InstallCalculatorFamilies(CalculatorCatalogue& catalogue)
{
    InstallStandardCalculator(catalogue.Rows());
    InstallGeometryCalculators(catalogue.Rows());
    InstallMathFunctionsCalculator(catalogue.Rows());
    InstallBuildingDescriptions(catalogue.Rows());
    InstallElectricalDescriptions(catalogue.Rows());
    InstallConverterDescriptions(catalogue.Rows());
}

} // namespace tornavel
