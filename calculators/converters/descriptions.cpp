#include "calculators/converters/descriptions.h"

#include "calculators/converters/capacity.h"
#include "calculators/converters/materials.h"
#include "calculators/converters/temperature.h"

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

CalculatorDescription Row(int number, std::vector<InputDescription> inputs, int resultId, const char* compute,
                          const char* nextTerm, const char* listChoice, const char* undo)
{
    CalculatorDescription row;
    row.number = number;
    row.resultCode = Code::ConverterResult;
    row.inputs = std::move(inputs);
    row.result = Plain(resultId);
    row.handlers = HandlerNames{compute, nextTerm, listChoice, undo};
    row.historyFullTitle = true;
    return row;
}

std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // 35: material, volume, volume unit -> weight in kilograms.
    CalculatorDescription weight = Row(35,
                                       {Choice(119, MaterialRows, MaterialShortTexts), Typed(48),
                                        Choice(120, VolumeUnitRows, VolumeUnitShortTexts)},
                                       121, "PCalcul35Click", "PEt35Click", "ListBox35Click",
                                       "UndoVolumeWeightInput");
    weight.formulaLabelId = 122;
    rows.push_back(weight);

    // 36: material, weight -> volume in dm3 or m3; one selection for 36 to 38.
    CalculatorDescription volume = Row(36, {Choice(119, MaterialRows, MaterialShortTexts), Typed(121)}, 48,
                                       "PCalcul36Click", "PEt36Click", "ListBox36Click", "UndoWeightVolumeInput");
    volume.options = OptionGroup{{{"RbtnDm3_1", QStringLiteral("dm3 (litre)"), "RbtnDm3_1Click"},
                                  {"RbtnM3_1", QStringLiteral("m3"), "RbtnM3_1Click"}},
                                 &VariantSelections::ConverterTarget, WeightToVolumeOwnOption};
    rows.push_back(volume);

    // 37: unit, temperature -> the temperature in another unit.
    CalculatorDescription temperature = Row(37, {Choice(123, TemperatureUnitRows), Typed(124)}, 124,
                                            "PCalcul37Click", "PEt37Click", "ListBox37Click",
                                            "UndoTemperatureInput");
    temperature.options = OptionGroup{{{"RbtnCelsius", QStringLiteral("Celsius"), "RbtnCelsiusClick"},
                                       {"RbtnKelvin", QStringLiteral("Kelvin"), "RbtnKelvinClick"},
                                       {"RbtnFahrenheit", QStringLiteral("Fahrenheit"), "RbtnFahrenheitClick"}},
                                      &VariantSelections::ConverterTarget, TemperatureOwnOption};
    rows.push_back(temperature);

    // 38: unit, quantity -> the quantity in another unit.
    CalculatorDescription capacity = Row(38, {Choice(120, CapacityUnitRows, CapacityUnitShortTexts), Typed(48)}, 48,
                                         "PCalcul38Click", "PEt38Click", "ListBox38Click", "UndoCapacityInput");
    capacity.options = OptionGroup{{{"RbtnDm3_2", QStringLiteral("dm3 (litre)"), "RbtnDm3_2Click"},
                                    {"RbtnSeau", QStringLiteral("Seau"), "RbtnSeauClick"},
                                    {"RbtnBrouette", QStringLiteral("Brouette"), "RbtnBrouetteClick"},
                                    {"RbtnM3_2", QStringLiteral("m3"), "RbtnM3_2Click"}},
                                   &VariantSelections::ConverterTarget, CapacityOwnOption};
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
