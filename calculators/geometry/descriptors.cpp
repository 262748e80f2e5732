#include "calculators/geometry/descriptors.h"

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

InputDescription LengthByRule(int id) { return {{id, UnitSuffix::Length, SuffixShown::ByRule}}; }
InputDescription LengthAlways(int id) { return {{id, UnitSuffix::Length, SuffixShown::Always}}; }

// The inputs of the calculators, shared by those that ask for the same.
using InputSet = std::vector<InputDescription>;

InputSet CircleSphere() { return {LengthByRule(Diameter)}; }
InputSet Ellipse() { return {LengthByRule(MajorAxis), LengthByRule(MinorAxis)}; }
InputSet Sector()
{
    // The angle always carries its "(°)".
    return {LengthByRule(Radius), {{Angle, UnitSuffix::Angle, SuffixShown::Always}}};
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
    InputDescription sides{{SideCount, UnitSuffix::None, SuffixShown::ByRule}};
    sides.list = true;
    sides.rows = PolygonSideRows;
    return {LengthAlways(SideLength), sides};
}

using namespace geometry;

constexpr Label LengthResult{Perimeter, UnitSuffix::Length, SuffixShown::ByRule};
constexpr Label AreaResult{Area, UnitSuffix::Area, SuffixShown::ByRule};
constexpr Label VolumeResult{Volume, UnitSuffix::Volume, SuffixShown::ByRule};

GeometryCalculator Calculator(const CalculatorIdentity& id, int resultCode, InputSet inputs, Label result,
                              GeometryFormula formula)
{
    GeometryCalculator g;
    CalculatorDescription& d = g.description;
    d = DescriptionOf(id);
    d.resultCode = resultCode;
    d.inputs = std::move(inputs);
    d.result = result;
    // Their sub-calculations: the keypad calculators, with units shown only when asked.
    d.offers = KeypadCalculatorsAnd();
    // Single-input calculators have no "&&" key.
    d.hasNextKey = d.inputs.size() > 1;
    d.computeHint = QStringLiteral("Exécute le calcul");
    g.formula = formula;
    return g;
}

std::array<GeometryCalculator, 18> BuildCalculators()
{
    GeometryCalculator circlePerimeter = Calculator(Identity(1, 7, 1004, 2, 2, true), geometry::LengthResultCode,
                                                    CircleSphere(), LengthResult, CirclePerimeter);
    circlePerimeter.normalizesEntry = true;

    GeometryCalculator ellipsePerimeter = Calculator(Identity(2, 8, 1005, 3, 3), geometry::LengthResultCode, Ellipse(),
                                                     LengthResult, EllipsePerimeter);
    ellipsePerimeter.computeCheck = MajorAxisIsLonger;

    GeometryCalculator sector = Calculator(Identity(4, 10, 1007, 5, 5), geometry::AreaResultCode, Sector(), AreaResult,
                                           SectorArea);
    sector.computeCheck = AngleBelowFullTurn;

    GeometryCalculator ellipseArea = Calculator(Identity(5, 11, 1008, 6, 6), geometry::AreaResultCode, Ellipse(),
                                                AreaResult, EllipseArea);
    ellipseArea.computeCheck = MajorAxisIsLonger;

    GeometryCalculator cylinderSurface = Calculator(Identity(6, 12, 1009, 7, 7), geometry::AreaResultCode, Cylinder(),
                                                    AreaResult, CylinderLateralArea);
    cylinderSurface.keepsMemory = true;

    GeometryCalculator trapezoid = Calculator(Identity(9, 15, 1012, 10, 10), geometry::AreaResultCode, Trapezoid(),
                                              AreaResult, TrapezoidArea);
    trapezoid.nextTermCheck = ShortBaseIsShorter;

    GeometryCalculator houseWalls = Calculator(Identity(10, 16, 1013, 16, 18, true), geometry::AreaResultCode,
                                               HouseWalls(), {Area, UnitSuffix::Area, SuffixShown::Always},
                                               HouseWallsArea);
    houseWalls.computeCheck = SideWallNotAboveGable;
    houseWalls.rereadsLastTerm = true;

    GeometryCalculator houseVolume = Calculator(Identity(16, 147, 1019, 17, 19), geometry::VolumeResultCode,
                                                HouseVolume(), {Volume, UnitSuffix::Volume, SuffixShown::Always},
                                                HouseInteriorVolume);
    houseVolume.nextTermCheck = SideHeightNotAboveGable;
    houseVolume.computeCheck = WallThicknessFits;
    houseVolume.rereadsLastTerm = true;

    GeometryCalculator polygon = Calculator(Identity(20, 148, 1023, 21, 11), geometry::PolygonResultCode, Polygon(),
                                            {SurfaceArea, UnitSuffix::Area, SuffixShown::ByRule}, PolygonArea);

    // The sphere surface shows units in its sub-calculations.
    GeometryCalculator sphereSurface = Calculator(Identity(22, 25, 1025, 23, 12), geometry::AreaResultCode, CircleSphere(),
                                                  {SurfaceArea, UnitSuffix::Area, SuffixShown::ByRule},
                                                  SphereSurface);
    sphereSurface.description.subCalculationsShowUnits = true;

    return {
        circlePerimeter,
        ellipsePerimeter,
        Calculator(Identity(3, 9, 1006, 4, 4), geometry::AreaResultCode, CircleSphere(), AreaResult, CircleArea),
        sector,
        ellipseArea,
        cylinderSurface,
        Calculator(Identity(7, 13, 1010, 8, 8), geometry::AreaResultCode, Cone(), AreaResult, ConeLateralArea),
        Calculator(Identity(8, 14, 1011, 9, 9), geometry::AreaResultCode, Parallelogram(), AreaResult, ParallelogramArea),
        trapezoid,
        houseWalls,
        Calculator(Identity(11, 17, 1014, 11, 13), geometry::VolumeResultCode, CircleSphere(), VolumeResult, SphereVolume),
        Calculator(Identity(12, 18, 1015, 12, 14), geometry::VolumeResultCode, Cylinder(), VolumeResult, CylinderVolume),
        Calculator(Identity(13, 19, 1016, 13, 15), geometry::VolumeResultCode, Pyramid(), VolumeResult,
                   TriangularPyramidVolume),
        Calculator(Identity(14, 136, 1017, 14, 16), geometry::VolumeResultCode, Pyramid(), VolumeResult,
                   SquarePyramidVolume),
        Calculator(Identity(15, 20, 1018, 15, 17), geometry::VolumeResultCode, Cone(), VolumeResult, ConeVolume),
        houseVolume,
        polygon,
        sphereSurface,
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

const std::array<GeometryCalculator, 18>& GeometryCalculators()
{
    // Each row's keys run their own descriptor, so they are written once the
    // descriptors are in their place.
    struct Descriptors {
        std::array<GeometryCalculator, 18> all = BuildCalculators();
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
