#include "calculators/converters/descriptions.h"

#include "calculators/converters/capacity.h"
#include "calculators/converters/converters.h"
#include "calculators/converters/materials.h"
#include "calculators/converters/temperature.h"
#include "calculators/converters/texts.h"
#include "calculators/rows.h"

namespace tornavel {

namespace {

using namespace converters;

// The prompts and labels of the converters carry no unit suffix.
std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // Material, volume, volume unit -> weight in kilograms. The volumes (11-15) are
    // offered.
    rows.push_back({
        .number = 35,
        .titleId = 180,
        .helpPageId = 1038,
        .menuItem = 36,
        .offers = KeypadCalculatorsAnd({11, 12, 13, 14, 15}),
        .resultCode = ResultCode,
        .inputs = {Choice(Plain(text::Material), MaterialRows, MaterialShortTexts), Typed(Plain(text::Volume)),
                   Choice(Plain(text::Unit), VolumeUnitRows, VolumeUnitShortTexts)},
        .result = Plain(text::WeightShown),
        .formulaLabelId = text::Weight,
        .keys = ProtocolKeys(VolumeToWeightCalculator),
    });

    // Material, weight -> volume in dm3 or m3; one selection for 36 to 38.
    rows.push_back({
        .number = 36,
        .titleId = 181,
        .helpPageId = 1039,
        .menuItem = 37,
        .offers = KeypadCalculatorsAnd(),
        .resultCode = ResultCode,
        .inputs = {Choice(Plain(text::Material), MaterialRows, MaterialShortTexts), Typed(Plain(text::WeightShown))},
        .result = Plain(text::Volume),
        .options = {.buttons = {{"RbtnDm3_1", QStringLiteral("dm3 (litre)")}, {"RbtnM3_1", QStringLiteral("m3")}},
                    .group = "ConverterTarget",
                    .ownOption = WeightToVolumeOwnOption},
        .keys = ProtocolKeys(WeightToVolumeCalculator),
    });

    // Unit, temperature -> the temperature in another unit.
    rows.push_back({
        .number = 37,
        .titleId = 182,
        .helpPageId = 1040,
        .menuItem = 38,
        .offers = KeypadCalculatorsAnd(),
        .resultCode = ResultCode,
        .inputs = {Choice(Plain(text::TemperatureUnit), TemperatureUnitRows), Typed(Plain(text::Temperature))},
        .result = Plain(text::Temperature),
        .options = {.buttons = {{"RbtnCelsius", QStringLiteral("Celsius")},
                                {"RbtnKelvin", QStringLiteral("Kelvin")},
                                {"RbtnFahrenheit", QStringLiteral("Fahrenheit")}},
                    .group = "ConverterTarget",
                    .ownOption = TemperatureOwnOption},
        .keys = ProtocolKeys(TemperatureCalculator),
    });

    // Unit, quantity -> the quantity in another unit.
    rows.push_back({
        .number = 38,
        .titleId = 183,
        .helpPageId = 1041,
        .menuItem = 39,
        .offers = KeypadCalculatorsAnd(),
        .resultCode = ResultCode,
        .inputs = {Choice(Plain(text::Unit), CapacityUnitRows, CapacityUnitShortTexts), Typed(Plain(text::Volume))},
        .result = Plain(text::Volume),
        .options = {.buttons = {{"RbtnDm3_2", QStringLiteral("dm3 (litre)")},
                                {"RbtnSeau", QStringLiteral("Seau")},
                                {"RbtnBrouette", QStringLiteral("Brouette")},
                                {"RbtnM3_2", QStringLiteral("m3")}},
                    .group = "ConverterTarget",
                    .ownOption = CapacityOwnOption},
        .keys = ProtocolKeys(CapacityCalculator),
    });

    return rows;
}

} // namespace

void InstallConverterDescriptions(CalculatorRegistry& registry)
{
    registry.Register(BuildRows());
}

} // namespace tornavel
