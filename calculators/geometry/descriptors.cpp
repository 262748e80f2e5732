#include "calculators/geometry/descriptors.h"

#include "calculators/geometry/formulas.h"

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

constexpr GeometryLabel LengthByRule(int id) { return {id, UnitSuffix::Length, false}; }
constexpr GeometryLabel LengthAlways(int id) { return {id, UnitSuffix::Length, true}; }

} // namespace

const GeometryUndoRoutine CircleSphereUndo{
    "UndoCircleSphereInput", 1, {LengthByRule(Diameter)}};
const GeometryUndoRoutine EllipseUndo{
    "UndoEllipseInput", 2, {LengthByRule(MajorAxis), LengthByRule(MinorAxis)}};
const GeometryUndoRoutine SectorUndo{
    "UndoSectorInput", 2, {LengthByRule(Radius), GeometryLabel{Angle, UnitSuffix::Angle, true}}};
const GeometryUndoRoutine CylinderUndo{
    "UndoCylinderInput", 2, {LengthByRule(Diameter), LengthByRule(Height)}};
const GeometryUndoRoutine ConeUndo{
    "UndoConeInput", 2, {LengthByRule(BaseDiameter), LengthByRule(Height)}};
const GeometryUndoRoutine ParallelogramUndo{
    "UndoParallelogramInput", 2, {LengthByRule(Base), LengthByRule(Height)}};
const GeometryUndoRoutine TrapezoidUndo{
    "UndoTrapezoidInput", 3, {LengthByRule(LongBase), LengthByRule(ShortBase), LengthByRule(Height)}};
const GeometryUndoRoutine HouseWallsUndo{
    "UndoHouseWallsInput", 4,
    {LengthAlways(GableLength), LengthAlways(GableHeight), LengthAlways(SideLength),
     LengthAlways(SideHeight)}};
const GeometryUndoRoutine PyramidUndo{
    "UndoPyramidInput", 2, {LengthByRule(Side), LengthByRule(Height)}};
const GeometryUndoRoutine HouseVolumeUndo{
    "UndoHouseVolumeInput", 5,
    {LengthAlways(GableLength), LengthAlways(GableHeight), LengthAlways(SideLength),
     LengthAlways(SideHeight), LengthAlways(WallThickness)}};
const GeometryUndoRoutine PolygonUndo{
    "UndoPolygonInput", 2, {LengthAlways(SideLength), GeometryLabel{SideCount, UnitSuffix::None, false}}, 1};

namespace {

using namespace geometry;

constexpr GeometryLabel LengthResult{Perimeter, UnitSuffix::Length, false};
constexpr GeometryLabel AreaResult{Area, UnitSuffix::Area, false};
constexpr GeometryLabel VolumeResult{Volume, UnitSuffix::Volume, false};

GeometryCalculator Calculator(int number, const GeometryUndoRoutine& undo, GeometryLabel result,
                              GeometryFormula formula)
{
    return GeometryCalculator{number, &undo, result, formula};
}

std::array<GeometryCalculator, 18> BuildCalculators()
{
    GeometryCalculator circlePerimeter = Calculator(1, CircleSphereUndo, LengthResult, CirclePerimeter);
    circlePerimeter.normalizesEntry = true;

    GeometryCalculator ellipsePerimeter = Calculator(2, EllipseUndo, LengthResult, EllipsePerimeter);
    ellipsePerimeter.computeCheck = MajorAxisIsLonger;

    GeometryCalculator sector = Calculator(4, SectorUndo, AreaResult, SectorArea);
    sector.computeCheck = AngleBelowFullTurn;

    GeometryCalculator ellipseArea = Calculator(5, EllipseUndo, AreaResult, EllipseArea);
    ellipseArea.computeCheck = MajorAxisIsLonger;

    GeometryCalculator cylinderSurface = Calculator(6, CylinderUndo, AreaResult, CylinderLateralArea);
    cylinderSurface.keepsMemory = true;

    GeometryCalculator trapezoid = Calculator(9, TrapezoidUndo, AreaResult, TrapezoidArea);
    trapezoid.nextTermCheck = ShortBaseIsShorter;

    GeometryCalculator houseWalls = Calculator(10, HouseWallsUndo, {Area, UnitSuffix::Area, true},
                                               HouseWallsArea);
    houseWalls.computeCheck = SideWallNotAboveGable;
    houseWalls.rereadsLastTerm = true;

    GeometryCalculator houseVolume = Calculator(16, HouseVolumeUndo, {Volume, UnitSuffix::Volume, true},
                                                HouseInteriorVolume);
    houseVolume.nextTermCheck = SideHeightNotAboveGable;
    houseVolume.computeCheck = WallThicknessFits;
    houseVolume.rereadsLastTerm = true;

    return {
        circlePerimeter,
        ellipsePerimeter,
        Calculator(3, CircleSphereUndo, AreaResult, CircleArea),
        sector,
        ellipseArea,
        cylinderSurface,
        Calculator(7, ConeUndo, AreaResult, ConeLateralArea),
        Calculator(8, ParallelogramUndo, AreaResult, ParallelogramArea),
        trapezoid,
        houseWalls,
        Calculator(11, CircleSphereUndo, VolumeResult, SphereVolume),
        Calculator(12, CylinderUndo, VolumeResult, CylinderVolume),
        Calculator(13, PyramidUndo, VolumeResult, TriangularPyramidVolume),
        Calculator(14, PyramidUndo, VolumeResult, SquarePyramidVolume),
        Calculator(15, ConeUndo, VolumeResult, ConeVolume),
        houseVolume,
        Calculator(20, PolygonUndo, {SurfaceArea, UnitSuffix::Area, false}, PolygonArea),
        Calculator(22, CircleSphereUndo, {SurfaceArea, UnitSuffix::Area, false}, SphereSurface),
    };
}

} // namespace

const std::array<GeometryCalculator, 18>& GeometryCalculators()
{
    static const std::array<GeometryCalculator, 18> calculators = BuildCalculators();
    return calculators;
}

const GeometryCalculator* FindGeometryCalculator(int number)
{
    for (const GeometryCalculator& g : GeometryCalculators()) {
        if (g.number == number)
            return &g;
    }
    return nullptr;
}

} // namespace tornavel
