#include "calculators/converters/descriptions.h"

#include "calculators/converters/capacity.h"
#include "calculators/converters/converters.h"
#include "calculators/converters/materials.h"
#include "calculators/converters/temperature.h"
#include "calculators/rows.h"

namespace tornavel {

namespace {

using namespace converters;

// The prompts of the converters carry no unit suffix.
Label Plain(int id) { return {id, UnitSuffix::None, SuffixShown::ByRule}; }

InputDescription Typed(int id) { return TypedInput(Plain(id)); }
InputDescription Choice(int id, ListRowsFunction rows, ListRowsFunction shortTexts = nullptr)
{
    return ListInput(Plain(id), rows, shortTexts);
}

CalculatorDescription Row(const CalculatorIdentity& id, std::vector<InputDescription> inputs, int resultId,
                          std::vector<int> offers = KeypadCalculatorsAnd())
{
    CalculatorDescription row = DescriptionOf(id);
    row.resultCode = converters::ResultCode;
    row.inputs = std::move(inputs);
    row.result = Plain(resultId);
    row.offers = std::move(offers);
    return row;
}

std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // 35: material, volume, volume unit -> weight in kilograms. The volumes (11-15)
    // are offered.
    CalculatorDescription weight = Row(Identity(35, 180, 1038, 36, 36, true),
                                       {Choice(119, MaterialRows, MaterialShortTexts), Typed(48),
                                        Choice(120, VolumeUnitRows, VolumeUnitShortTexts)},
                                       121, KeypadCalculatorsAnd({11, 12, 13, 14, 15}));
    weight.keys = ProtocolKeys(VolumeToWeightCalculator);
    weight.formulaLabelId = 122;
    rows.push_back(weight);

    // 36: material, weight -> volume in dm3 or m3; one selection for 36 to 38.
    CalculatorDescription volume = Row(Identity(36, 181, 1039, 37, 37),
                                       {Choice(119, MaterialRows, MaterialShortTexts), Typed(121)}, 48);
    volume.keys = ProtocolKeys(WeightToVolumeCalculator);
    volume.options = OptionGroup{{{"RbtnDm3_1", QStringLiteral("dm3 (litre)")},
                                  {"RbtnM3_1", QStringLiteral("m3")}},
                                 "ConverterTarget", WeightToVolumeOwnOption};
    rows.push_back(volume);

    // 37: unit, temperature -> the temperature in another unit.
    CalculatorDescription temperature = Row(Identity(37, 182, 1040, 38, 38),
                                            {Choice(123, TemperatureUnitRows), Typed(124)}, 124);
    temperature.keys = ProtocolKeys(TemperatureCalculator);
    temperature.options = OptionGroup{{{"RbtnCelsius", QStringLiteral("Celsius")},
                                       {"RbtnKelvin", QStringLiteral("Kelvin")},
                                       {"RbtnFahrenheit", QStringLiteral("Fahrenheit")}},
                                      "ConverterTarget", TemperatureOwnOption};
    rows.push_back(temperature);

    // 38: unit, quantity -> the quantity in another unit.
    CalculatorDescription capacity = Row(Identity(38, 183, 1041, 39, 39),
                                         {Choice(120, CapacityUnitRows, CapacityUnitShortTexts), Typed(48)}, 48);
    capacity.keys = ProtocolKeys(CapacityCalculator);
    capacity.options = OptionGroup{{{"RbtnDm3_2", QStringLiteral("dm3 (litre)")},
                                    {"RbtnSeau", QStringLiteral("Seau")},
                                    {"RbtnBrouette", QStringLiteral("Brouette")},
                                    {"RbtnM3_2", QStringLiteral("m3")}},
                                   "ConverterTarget", CapacityOwnOption};
    rows.push_back(capacity);

    return rows;
}

} // namespace

void InstallConverterDescriptions(CalculatorRegistry& registry)
{
    static const std::vector<CalculatorDescription> rows = BuildRows();
    for (const CalculatorDescription& row : rows)
        registry.Register(row);
}

} // namespace tornavel
