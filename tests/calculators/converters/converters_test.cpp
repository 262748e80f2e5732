// Volume to weight (35), weight to volume (36), temperature (37) and capacity (38):
// their checks and conversions from stored inputs, every material row, the shared
// target selection and stored choices outside their lists.

#include "calculators/converters/capacity.h"
#include "calculators/converters/materials.h"
#include "calculators/converters/tables.h"
#include "calculators/converters/temperature.h"
#include "calculators/electrical/circuit.h"
#include "calculators/electrical/resistance.h"
#include "core/calcerror.h"
#include "tests/calculators/electrical/fixed_units_support.h"

#include <cmath>

using namespace tornavel;
using namespace tornavel::converters;
using namespace tornavel::testing;
using fixedunits::InputCheck;
using Kind = fixedunits::Result::Kind;

namespace {

double Material(const char* name)
{
    const int row = int(MaterialNames.items().indexOf(QString::fromUtf8(name)));
    EXPECT_GE(row, 0) << name;
    return row;
}

constexpr double Cm3 = 0, Dm3 = 1, M3 = 2; // volume unit rows
constexpr double Seau = 1, Brouette = 2;   // capacity unit rows (dm3 0, m3 3)

TEST(VolumeToWeight, WorkedResults)
{
    const struct { const char* material; double volume, unit; const char* weight; } cases[] = {
        {"Béton", 2, M3, "4800"},
        {"Or", 10, Dm3, "193"},
        {"Acier", 500, Cm3, "3,93"},
        {"Laine de bois", 2, M3, "300"},
        {"Béton", -2, M3, "-4800"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.weight);
        const auto r = ComputeVolumeToWeight(Inputs({Material(c.material), c.volume, c.unit}));
        EXPECT_EQ(Text(r), QString::fromUtf8(c.weight));
        EXPECT_EQ(r.formulaLabel, 122);
        EXPECT_EQ(r.shownLabel, 121);
        EXPECT_TRUE(r.shownSuffix.isEmpty());
    }
    EXPECT_EQ(VolumeUnitShortTexts({}, Comma),
              (QStringList{QStringLiteral("cm3"), QStringLiteral("dm3"), QStringLiteral("m3")}));
}

TEST(VolumeToWeight, RefusesOnlyAVolumeOfZero)
{
    EXPECT_EQ(CheckVolumeToWeightInput(0, VolumeInput, {}), InputCheck::InputError);
    EXPECT_EQ(CheckVolumeToWeightInput(-3, VolumeInput, {}), InputCheck::Accepted);
    // The first material is row 0: a choice, not a zero value.
    EXPECT_EQ(CheckVolumeToWeightInput(0, WeighedMaterialInput, {}), InputCheck::Accepted);
}

TEST(WeightToVolume, WorkedResults)
{
    const struct { const char* material; double weight; int shared; const char* volume; const char* suffix; } cases[] = {
        {"Béton", 4800, CubicDecimetreOption, "2000", " (dm3)"},
        {"Béton", 4800, CubicMetreOption, "2", " (m3)"},
        {"Or", 386, CubicDecimetreOption, "20", " (dm3)"},
        {"Béton", 0, CubicDecimetreOption, "0", " (dm3)"},
        {"Béton", 4800, 2, "2000", " (dm3)"}, // Fahrenheit of 37: its own first option
        {"Béton", 4800, 3, "2000", " (dm3)"}, // m3 of 38
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.volume);
        const auto r = ComputeWeightToVolume(Inputs({Material(c.material), c.weight}), c.shared);
        EXPECT_EQ(Text(r), QString::fromUtf8(c.volume));
        EXPECT_EQ(r.formulaLabel, 48);
        EXPECT_EQ(r.shownSuffix, QString::fromUtf8(c.suffix));
    }
}

TEST(Materials, EveryRowConvertsBothWays)
{
    ASSERT_EQ(MaterialRows({}, Comma).size(), MaterialCount);
    ASSERT_EQ(MaterialShortTexts({}, Comma).size(), MaterialCount);
    for (int m = 0; m < MaterialCount; ++m) {
        SCOPED_TRACE(MaterialRows({}, Comma)[m].toStdString());
        const double density = *MaterialDensities.at(m);
        const auto litre = ComputeVolumeToWeight(Inputs({double(m), 1, Dm3}));
        EXPECT_EQ(litre.value, density);
        EXPECT_DOUBLE_EQ(ComputeVolumeToWeight(Inputs({double(m), 1, M3})).value, 1000 * density);
        EXPECT_DOUBLE_EQ(ComputeVolumeToWeight(Inputs({double(m), 1000, Cm3})).value, density);
        const double weight = ComputeVolumeToWeight(Inputs({double(m), 3, M3})).value;
        EXPECT_DOUBLE_EQ(ComputeWeightToVolume(Inputs({double(m), weight}), CubicMetreOption).value, 3);
        EXPECT_DOUBLE_EQ(ComputeWeightToVolume(Inputs({double(m), weight}), CubicDecimetreOption).value, 3000);
    }
}

TEST(Temperature, WorkedConversions)
{
    const struct { int from; double value; int to; const char* result; const char* mark; } cases[] = {
        {Celsius, 100, Fahrenheit, "212", " (°F)"},
        {Celsius, 100, Kelvin, "373,15", " (°K)"},
        {Celsius, 100, Celsius, "100", " (°C)"},
        {Fahrenheit, 212, Celsius, "100", " (°C)"},
        {Fahrenheit, -40, Celsius, "-40", " (°C)"},
        {Celsius, -40, Fahrenheit, "-40", " (°F)"},
        {Kelvin, 0, Celsius, "-273,15", " (°C)"},
        {Kelvin, 0, Fahrenheit, "-459,67", " (°F)"},
        {Fahrenheit, 32, Kelvin, "273,15", " (°K)"},
        {Kelvin, -5, Kelvin, "-5", " (°K)"},   // below absolute zero, unchanged
        {Fahrenheit, 98.6, Fahrenheit, "98,6", " (°F)"},
        {Fahrenheit, 212, 3, "100", " (°C)"},  // m3 of 38: its own first option
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        const auto r = ComputeTemperature(Inputs({double(c.from), c.value}), c.to);
        EXPECT_EQ(Text(r), QString::fromUtf8(c.result));
        EXPECT_EQ(r.formulaLabel, 124);
        EXPECT_EQ(r.shownSuffix, QString::fromUtf8(c.mark));
    }
    // No failure block: an overflow goes to the error box.
    EXPECT_THROW(ComputeTemperature(Inputs({Celsius, 1.7e308}), Fahrenheit), CalcError);
}

TEST(Capacity, WorkedConversions)
{
    const struct { double from, quantity; int to; const char* result; const char* suffix; } cases[] = {
        {Brouette, 2, 1, "15", " (seau)"},
        {Brouette, 2, 0, "180", " (dm3)"},
        {Seau, 15, 2, "2", " (brouette)"},
        {0, 500, 3, "0,5", " (m3)"},
        {3, 1, 1, "83,3333333333333", " (seau)"},
        {Seau, 7, 1, "7", " (seau)"},
        {Brouette, -2, 1, "-15", " (seau)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        const auto r = ComputeCapacity(Inputs({c.from, c.quantity}), c.to);
        EXPECT_EQ(Text(r), QString::fromUtf8(c.result));
        EXPECT_EQ(r.shownSuffix, QString::fromUtf8(c.suffix));
    }
    // "f=" refuses a quantity of 0 and an overflow.
    EXPECT_EQ(ComputeCapacity(Inputs({Seau, 0}), 0).kind, Kind::InputError);
    EXPECT_EQ(ComputeCapacity(Inputs({3, 1e306}), 0).kind, Kind::InputError);
}

TEST(SharedOptions, AnOptionACalculatorLacksSelectsItsFirst)
{
    const struct { int (*own)(int); int count; } calculators[] = {
        {electrical::ResistancePowerOwnOption, electrical::ResistancePowerOptionCount},
        {electrical::CircuitOwnOption, electrical::CircuitOptionCount},
        {WeightToVolumeOwnOption, WeightToVolumeOptionCount},
        {TemperatureOwnOption, TemperatureOptionCount},
        {CapacityOwnOption, CapacityOptionCount},
    };
    for (const auto& c : calculators) {
        for (int shared = -1; shared <= 4; ++shared)
            EXPECT_EQ(c.own(shared), shared >= 0 && shared < c.count ? shared : 0) << c.count << " " << shared;
    }
}

TEST(Converters, StoredChoicesOutsideTheirListsComputeNothing)
{
    const InputValues badMaterial[] = {Inputs({MaterialCount, 2, Dm3}), Inputs({-1, 2, Dm3}), Inputs({NaN, 2, Dm3})};
    for (const InputValues& inputs : badMaterial) {
        EXPECT_EQ(ComputeVolumeToWeight(inputs).kind, Kind::Nothing);
        EXPECT_EQ(ComputeWeightToVolume(inputs, 0).kind, Kind::Nothing);
    }
    EXPECT_EQ(ComputeVolumeToWeight(Inputs({0, 2, VolumeUnitCount})).kind, Kind::Nothing);
    EXPECT_EQ(ComputeTemperature(Inputs({TemperatureUnitCount, 1}), 0).kind, Kind::Nothing);
    EXPECT_EQ(ComputeCapacity(Inputs({CapacityUnitCount, 1}), 0).kind, Kind::Nothing);
}

} // namespace
