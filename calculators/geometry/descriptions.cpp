#include "calculators/geometry/descriptions.h"

#include "calculators/geometry/formulas.h"
#include "calculators/geometry/geometry.h"
#include "calculators/geometry/tables.h"
#include "calculators/rows.h"
#include "core/numbers.h"

namespace tornavel {

namespace {

// Prompt and label string numbers.
enum : int {
    Diameter = 33,
    Perimeter = 34,
    MajorAxis = 35,
    MinorAxis = 36,
    Area = 37,
    Radius = 38,
    Angle = 39,
    Height = 40,
    Base = 41,
    LongBase = 42,
    ShortBase = 43,
    GableLength = 44,
    GableHeight = 45,
    SideLength = 46,
    SideHeight = 47,
    Volume = 48,
    Side = 49,
    BaseDiameter = 50,
    WallThickness = 51,
    SurfaceArea = 78,
    SideCount = 92,
};

// A length prompt, its unit suffix shown by rule, or always.
InputDescription LengthByRule(int id) { return Typed(SuffixByRule(id, UnitSuffix::Length)); }
InputDescription LengthAlways(int id) { return Typed(SuffixAlways(id, UnitSuffix::Length)); }

// The inputs of the calculators, shared by those that ask for the same.
using InputSet = std::vector<InputDescription>;

InputSet CircleSphere() { return {LengthByRule(Diameter)}; }
InputSet Ellipse() { return {LengthByRule(MajorAxis), LengthByRule(MinorAxis)}; }
InputSet Sector()
{
    // The angle always carries its "(°)".
    return {LengthByRule(Radius), Typed(SuffixAlways(Angle, UnitSuffix::Angle))};
}
InputSet Cylinder() { return {LengthByRule(Diameter), LengthByRule(Height)}; }
InputSet Cone() { return {LengthByRule(BaseDiameter), LengthByRule(Height)}; }
InputSet Parallelogram() { return {LengthByRule(Base), LengthByRule(Height)}; }
InputSet Trapezoid() { return {LengthByRule(LongBase), LengthByRule(ShortBase), LengthByRule(Height)}; }
InputSet HouseWalls()
{
    return {LengthAlways(GableLength), LengthAlways(GableHeight), LengthAlways(SideLength), LengthAlways(SideHeight)};
}
InputSet Pyramid() { return {LengthByRule(Side), LengthByRule(Height)}; }
InputSet HouseVolume()
{
    return {LengthAlways(GableLength), LengthAlways(GableHeight), LengthAlways(SideLength),
            LengthAlways(SideHeight), LengthAlways(WallThickness)};
}
InputSet Polygon()
{
    // Its side's unit shows by rule when the calculator opens, always after C.
    return {Typed(SuffixByRuleAtLayout(SideLength, UnitSuffix::Length)), Choice(Plain(SideCount), PolygonSideRows)};
}

using namespace geometry;

constexpr Label LengthResult = SuffixByRule(Perimeter, UnitSuffix::Length);
constexpr Label AreaResult = SuffixByRule(Area, UnitSuffix::Area);
constexpr Label VolumeResult = SuffixByRule(Volume, UnitSuffix::Volume);

// Their sub-calculations: the keypad calculators, with units shown only when asked;
// the one-input calculators have no "&&" key.
std::vector<GeometryCalculator> BuildCalculators()
{
    const QString computeHint = QStringLiteral("Exécute le calcul");
    return {
        {
            .description = {
                .number = 1, .titleId = 7, .helpPageId = 1004, .menuItem = 2,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = LengthResultCode,
                .inputs = CircleSphere(),
                .result = LengthResult,
                .hasNextKey = false,
                .computeHint = computeHint,
            },
            .formula = CirclePerimeter,
            .normalizesEntry = true,
        },
        {
            .description = {
                .number = 2, .titleId = 8, .helpPageId = 1005, .menuItem = 3,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = LengthResultCode,
                .inputs = Ellipse(),
                .result = LengthResult,
                .computeHint = computeHint,
            },
            .formula = EllipsePerimeter,
            .computeCheck = MajorAxisIsLonger,
        },
        {
            .description = {
                .number = 3, .titleId = 9, .helpPageId = 1006, .menuItem = 4,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = CircleSphere(),
                .result = AreaResult,
                .hasNextKey = false,
                .computeHint = computeHint,
            },
            .formula = CircleArea,
        },
        {
            .description = {
                .number = 4, .titleId = 10, .helpPageId = 1007, .menuItem = 5,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = Sector(),
                .result = AreaResult,
                .computeHint = computeHint,
            },
            .formula = SectorArea,
            .computeCheck = AngleBelowFullTurn,
        },
        {
            .description = {
                .number = 5, .titleId = 11, .helpPageId = 1008, .menuItem = 6,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = Ellipse(),
                .result = AreaResult,
                .computeHint = computeHint,
            },
            .formula = EllipseArea,
            .computeCheck = MajorAxisIsLonger,
        },
        {
            .description = {
                .number = 6, .titleId = 12, .helpPageId = 1009, .menuItem = 7,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = Cylinder(),
                .result = AreaResult,
                .computeHint = computeHint,
            },
            .formula = CylinderLateralArea,
            .keepsMemory = true,
        },
        {
            .description = {
                .number = 7, .titleId = 13, .helpPageId = 1010, .menuItem = 8,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = Cone(),
                .result = AreaResult,
                .computeHint = computeHint,
            },
            .formula = ConeLateralArea,
        },
        {
            .description = {
                .number = 8, .titleId = 14, .helpPageId = 1011, .menuItem = 9,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = Parallelogram(),
                .result = AreaResult,
                .computeHint = computeHint,
            },
            .formula = ParallelogramArea,
        },
        {
            .description = {
                .number = 9, .titleId = 15, .helpPageId = 1012, .menuItem = 10,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = Trapezoid(),
                .result = AreaResult,
                .computeHint = computeHint,
            },
            .formula = TrapezoidArea,
            .nextTermCheck = ShortBaseIsShorter,
        },
        {
            .description = {
                .number = 10, .titleId = 16, .helpPageId = 1013, .menuItem = 16,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = AreaResultCode,
                .inputs = HouseWalls(),
                .result = SuffixAlways(Area, UnitSuffix::Area),
                .computeHint = computeHint,
            },
            .formula = HouseWallsArea,
            .computeCheck = SideWallNotAboveGable,
            .rereadsLastTerm = true,
        },
        {
            .description = {
                .number = 11, .titleId = 17, .helpPageId = 1014, .menuItem = 11,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = VolumeResultCode,
                .inputs = CircleSphere(),
                .result = VolumeResult,
                .hasNextKey = false,
                .computeHint = computeHint,
            },
            .formula = SphereVolume,
        },
        {
            .description = {
                .number = 12, .titleId = 18, .helpPageId = 1015, .menuItem = 12,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = VolumeResultCode,
                .inputs = Cylinder(),
                .result = VolumeResult,
                .computeHint = computeHint,
            },
            .formula = CylinderVolume,
        },
        {
            .description = {
                .number = 13, .titleId = 19, .helpPageId = 1016, .menuItem = 13,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = VolumeResultCode,
                .inputs = Pyramid(),
                .result = VolumeResult,
                .computeHint = computeHint,
            },
            .formula = TriangularPyramidVolume,
        },
        {
            .description = {
                .number = 14, .titleId = 136, .helpPageId = 1017, .menuItem = 14,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = VolumeResultCode,
                .inputs = Pyramid(),
                .result = VolumeResult,
                .computeHint = computeHint,
            },
            .formula = SquarePyramidVolume,
        },
        {
            .description = {
                .number = 15, .titleId = 20, .helpPageId = 1018, .menuItem = 15,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = VolumeResultCode,
                .inputs = Cone(),
                .result = VolumeResult,
                .computeHint = computeHint,
            },
            .formula = ConeVolume,
        },
        {
            .description = {
                .number = 16, .titleId = 147, .helpPageId = 1019, .menuItem = 17,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = VolumeResultCode,
                .inputs = HouseVolume(),
                .result = SuffixAlways(Volume, UnitSuffix::Volume),
                .computeHint = computeHint,
            },
            .formula = HouseInteriorVolume,
            .nextTermCheck = SideHeightNotAboveGable,
            .computeCheck = WallThicknessFits,
            .rereadsLastTerm = true,
        },
        {
            .description = {
                .number = 20, .titleId = 148, .helpPageId = 1023, .menuItem = 21,
                .offers = KeypadCalculatorsAnd(),
                .resultCode = PolygonResultCode,
                .inputs = Polygon(),
                .result = SuffixByRule(SurfaceArea, UnitSuffix::Area),
                .computeHint = computeHint,
            },
            .formula = PolygonArea,
        },
        {
            .description = {
                .number = 22, .titleId = 25, .helpPageId = 1025, .menuItem = 23,
                .offers = KeypadCalculatorsAnd(),
                .subCalculationsShowUnits = true, // the sphere surface shows units in its sub-calculations
                .resultCode = AreaResultCode,
                .inputs = CircleSphere(),
                .result = SuffixByRule(SurfaceArea, UnitSuffix::Area),
                .hasNextKey = false,
                .computeHint = computeHint,
            },
            .formula = SphereSurface,
        },
    };
}

} // namespace

QStringList PolygonSideRows(const InputValues&, const QString& separator)
{
    QStringList rows;
    for (std::int32_t sides : PolygonSides)
        rows << NumberToText(sides, separator);
    return rows;
}

const std::vector<GeometryCalculator>& GeometryCalculators()
{
    // Each row's keys run their own descriptor, so they are written once the
    // descriptors are in their place.
    struct Descriptors {
        std::vector<GeometryCalculator> all = BuildCalculators();
        Descriptors()
        {
            for (GeometryCalculator& g : all)
                g.description.keys = GeometryKeys(g);
        }
    };
    static const Descriptors calculators;
    return calculators.all;
}

const GeometryCalculator* FindGeometryCalculator(int number)
{
    for (const GeometryCalculator& g : GeometryCalculators()) {
        if (g.number() == number)
            return &g;
    }
    return nullptr;
}

} // namespace tornavel
