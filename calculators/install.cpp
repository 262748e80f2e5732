#include "calculators/install.h"

#include "calculators/building/descriptions.h"
#include "calculators/converters/descriptions.h"
#include "calculators/electrical/descriptions.h"

namespace tornavel {

std::vector<int> CalculatorsMenuOrder()
{
    constexpr int Separator = MenuSeparator;
    return {
        0, 39,                                               // the keypad calculators
        Separator, 1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 22,        // perimeters and areas
        11, 12, 13, 14, 15,                                  // volumes
        Separator, 10, 16,                                   // the house
        Separator, 17, 18, 19, 21, 31, 28, 29, 30, 23, 24,   // building
        25, 26, 27,                                          // finishing
        32, 33, 34,                                          // electrical
        Separator, 35, 36, 37, 38,                           // converters
    };
}

void InstallCalculatorFamilies(CalculatorCatalogue& catalogue)
{
    InstallStandardCalculator(catalogue.Rows());
    InstallGeometryCalculators(catalogue.Rows());
    InstallMathFunctionsCalculator(catalogue.Rows());
    InstallBuildingDescriptions(catalogue.Rows());
    InstallElectricalDescriptions(catalogue.Rows());
    InstallConverterDescriptions(catalogue.Rows());
    catalogue.Rows().SetMenuOrder(CalculatorsMenuOrder());
}

} // namespace tornavel
