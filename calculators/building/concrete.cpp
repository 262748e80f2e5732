// The concrete calculator (23): cement, water, sand or gravel for a volume of one
// kind of concrete or mortar.

#include "calculators/building/building.h"

#include "calculators/building/tables.h"
#include "core/numbers.h"
#include "core/units.h"

#include <array>

namespace tornavel {

namespace {

enum Output : int { Cement = 0, Water = 1, Sand = 2, Gravel = 3 };

// What one cubic metre of each kind takes, by kind of concrete (the rows of its list).
struct Dosage {
    long double cement;  // kg
    long double sand;    // kg
    long double gravel;  // kg
    long double water;   // cubic metres
};
constexpr std::array<Dosage, ConcreteTypeCount> kDosages{{
    {300.0L, 720.0L, 1165.0L, 1.0L / 15.0L}, // foundations
    {350.0L, 680.0L, 1175.0L, 0.25L},        // mortar
    {400.0L, 680.0L, 0.0L, 1.0L / 13.0L},    // all purposes
}};

ProtocolOutcome ComputeConcrete(const ProtocolCall& call)
{
    const std::optional<int> kind = TruncatedIndex(call.inputs[1]);
    if (!kind || *kind < 0 || *kind >= ConcreteTypeCount)
        return ProtocolOutcome::Refuse();
    const Dosage& dose = kDosages[static_cast<size_t>(*kind)];
    // Cubic units of the user's unit in one cubic metre.
    const long double divisor = UnitOfMeasureOf(call.unitScaleCode).perCubicMetre;
    const long double cubicMetres = call.inputs[0] / divisor;
    const QString kg = QStringLiteral(" (kg)");

    switch (call.variant) {
    case Water: {
        const QString label = QStringLiteral("Eau");
        // In the user's volume unit.
        return ProtocolOutcome::Number(ToDouble(cubicMetres * dose.water * divisor), label,
                                       label + QLatin1Char(' ') + call.Suffix(UnitSuffix::Volume));
    }
    case Sand:
        return ProtocolOutcome::Number(ToDouble(cubicMetres * dose.sand), QStringLiteral("Sable"),
                                       QStringLiteral("Sable") + kg);
    case Gravel:
        return ProtocolOutcome::Number(ToDouble(cubicMetres * dose.gravel), QStringLiteral("Gravier"),
                                       QStringLiteral("Gravier") + kg);
    default:
        return ProtocolOutcome::Number(ToDouble(cubicMetres * dose.cement), QStringLiteral("Ciment"),
                                       QStringLiteral("Ciment") + kg);
    }
}

} // namespace

const ProtocolCalculator ConcreteCalculator{
    .nextTermSetsCodes = false,
    .listStepFlagsReselect = true,
    .undoKeepsListSelection = true,
    .compute = ComputeConcrete,
    .refusal = ComputeRefusal::Never,
    .keypadAfter = KeypadAfter::Off,
    .clearsVariantChanged = true,
    .listAtCompute = ListAtCompute::HiddenBefore,
};

} // namespace tornavel
