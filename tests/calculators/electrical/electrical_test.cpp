// Resistance and power (32), electrical circuit (33) and maximum conductor length (34):
// their checks, formulas and lookups from stored inputs, and the shared reading of
// stored choices and shared option selections.

#include "calculators/electrical/circuit.h"
#include "calculators/electrical/conductor.h"
#include "calculators/electrical/resistance.h"
#include "calculators/electrical/tables.h"
#include "core/calcerror.h"
#include "tests/calculators/electrical/fixed_units_support.h"

using namespace tornavel;
using namespace tornavel::electrical;
using namespace tornavel::testing;
using fixedunits::InputCheck;
using Kind = fixedunits::Result::Kind;

namespace {

TEST(StoredChoices, NameARowOnlyInsideTheirList)
{
    const struct { double stored; int count; std::optional<int> row; } cases[] = {
        {0, 2, 0}, {1.9, 2, 1}, {2, 2, std::nullopt}, {-1, 2, std::nullopt},
        {0.9999999999999999, 2, 0}, // truncated, as the formula and the history read it
        {NaN, 2, std::nullopt}, {1e300, 2, std::nullopt},
        {std::numeric_limits<double>::infinity(), 2, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(fixedunits::StoredChoice(c.stored, c.count), c.row);
    }
}

TEST(ResistancePower, WorkedResults)
{
    const struct { double u, i; int shared; const char* result; int label, shown; } cases[] = {
        {230, 10, PowerOption, "2300", 104, 105},
        {230, 10, ResistanceOption, "23", 106, 107},
        {0, -4, PowerOption, "0", 104, 105},
        {-12, 0.5, ResistanceOption, "-24", 106, 107},
        {230, 10, 2, "2300", 104, 105}, // "Disjoncteur" of 33 has no counterpart: the power
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        const auto r = ComputeResistancePower(Inputs({c.u, c.i}), c.shared);
        EXPECT_EQ(r.kind, Kind::Value);
        EXPECT_EQ(Text(r), QString::fromUtf8(c.result));
        EXPECT_TRUE(r.toMemory);
        EXPECT_EQ(r.formulaLabel, c.label);
        EXPECT_EQ(r.shownLabel, c.shown);
    }
}

TEST(ResistancePower, ResistanceWithoutCurrentRaisesTheFrenchError)
{
    for (double u : {230.0, 0.0}) {
        try {
            ComputeResistancePower(Inputs({u, 0}), ResistanceOption);
            ADD_FAILURE() << "no error for a current of 0";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.message(), u == 0 ? InvalidOperationMessage() : DivisionByZeroMessage());
        }
    }
    EXPECT_THROW(ComputeResistancePower(Inputs({1e300, 1e300}), PowerOption), CalcError);
}

TEST(Circuit, WorkedLookups)
{
    // Circuit 7 (16 A sockets) changes row above 5 points; circuit 8 follows it.
    const struct { int circuit, points, shared; const char* result; const char* terms; } cases[] = {
        {7, 5, SectionOption, "1,5", "Prises 16A&5"},
        {7, 5, FuseOption, "#NV", "Prises 16A&5"},
        {7, 5, BreakerOption, "16", "Prises 16A&5"},
        {7, 6, SectionOption, "2,5", "Prises 16A&6"},
        {7, 6, FuseOption, "16", "Prises 16A&6"},
        {7, 6, BreakerOption, "20", "Prises 16A&6"},
        {8, 1, SectionOption, "2,5", "Chauffe-eau&1"},
        {8, 1, FuseOption, "16", "Chauffe-eau&1"},
        {8, 1, BreakerOption, "20", "Chauffe-eau&1"},
        {4, 1, FuseOption, "#NV", "Tarification&1"},
        {4, 1, SectionOption, "1,5", "Tarification&1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.terms);
        const InputValues inputs = Inputs({double(c.circuit), double(c.points - 1)});
        const auto r = ComputeCircuit(inputs, c.shared);
        EXPECT_EQ(Text(r), QString::fromUtf8(c.result));
        EXPECT_EQ(r.kind == Kind::NoValue, !r.toMemory);
    }
}

TEST(Circuit, EveryCircuitAndPointCountReadsItsRow)
{
    std::array<bool, CircuitRowCount> reached{};
    for (int c = 0; c < CircuitCount; ++c) {
        const QStringList points = CircuitPointRows(Inputs({double(c)}), Comma);
        ASSERT_EQ(points.size(), *CircuitMaxPoints.at(c));
        for (int k = 0; k < points.size(); ++k) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(c).arg(k).toStdString());
            EXPECT_EQ(points[k], QString::number(k + 1));
            const InputValues inputs = Inputs({double(c), double(k)});
            const int row = *CircuitRow(c, k + 1);
            reached[size_t(row)] = true;
            EXPECT_EQ(ComputeCircuit(inputs, SectionOption).value, *CircuitWireSections.at(row));
            EXPECT_EQ(ComputeCircuit(inputs, BreakerOption).value, *CircuitBreakerRatings.at(row));
            const auto fuse = ComputeCircuit(inputs, FuseOption);
            if (*CircuitFuseRatings.at(row) == NoFuseRating)
                EXPECT_EQ(fuse.kind, Kind::NoValue);
            else
                EXPECT_EQ(fuse.value, *CircuitFuseRatings.at(row));
        }
    }
    for (int row = 0; row < CircuitRowCount; ++row)
        EXPECT_TRUE(reached[size_t(row)]) << "row " << row;
}

TEST(Circuit, StoredChoicesOutsideTheTableComputeNothing)
{
    // A circuit outside 0..17, or a point count above the circuit's maximum.
    for (const InputValues& inputs : {Inputs({18, 0}), Inputs({-1, 0}), Inputs({NaN, 0}),
                                      Inputs({2, 1}), Inputs({7, 8}), Inputs({0, -1})}) {
        EXPECT_EQ(ComputeCircuit(inputs, SectionOption).kind, Kind::Nothing);
    }
    EXPECT_TRUE(CircuitPointRows(Inputs({18}), Comma).isEmpty());
}

TEST(ConductorLength, WorkedResults)
{
    const struct { double u, i, s, d, phase; const char* result; } cases[] = {
        {230, 16, 2.5, 3, 0, "30,8"},
        {230, 16, 2.5, 3, 1, "35,61"},
        {230, 20, 1.5, 3, 0, "14,78"},    // rounded down, not to nearest
        {230, 16, 2.5, 0, 0, "0"},        // a voltage drop of 0
        {-230, 16, 2.5, 3, 0, "-30,81"},  // rounded towards minus infinity
        {12.34, 1, 3.5, 1, 0, "12,34"},   // an exact hundredth stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        const auto r = ComputeConductorLength(Inputs({c.u, c.i, c.s, c.d, c.phase}));
        EXPECT_EQ(r.kind, Kind::Value);
        EXPECT_EQ(Text(r), QString::fromUtf8(c.result));
        EXPECT_EQ(r.formulaLabel, 118);
        EXPECT_EQ(r.shownLabel, 117);
    }
}

TEST(ConductorLength, RefusesZeroVoltageCurrentAndSection)
{
    for (int input = LineVoltageInput; input <= VoltageDropInput; ++input) {
        SCOPED_TRACE(input);
        EXPECT_EQ(CheckConductorInput(0, input, {}),
                  input == VoltageDropInput ? InputCheck::Accepted : InputCheck::InputError);
        EXPECT_EQ(CheckConductorInput(-2, input, {}), InputCheck::Accepted);
    }
    // A damaged entry: a current of 0 or an overflow refuses; a phase outside the list
    // computes nothing.
    EXPECT_EQ(ComputeConductorLength(Inputs({230, 0, 2.5, 3, 0})).kind, Kind::InputError);
    EXPECT_EQ(ComputeConductorLength(Inputs({1e300, 1, 1e300, 3, 1})).kind, Kind::InputError);
    EXPECT_EQ(ComputeConductorLength(Inputs({230, 16, 2.5, 3, 2})).kind, Kind::Nothing);
    EXPECT_EQ(PhaseRows({}, Comma), (QStringList{QStringLiteral("Monophasé"), QStringLiteral("Triphasé")}));
}

} // namespace
