#include "calculators/geometry/descriptors.h"

#include "calculators/geometry/formulas.h"
#include "core/numbers.h"
#include "core/tables.h"

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

// The inputs of each CE routine, with the routine's name; the calculators that share
// a routine share these prompts.
struct InputSet {
    const char* undo;
    std::vector<InputDescription> inputs;
};

InputSet CircleSphere() { return {"UndoCircleSphereInput", {LengthByRule(Diameter)}}; }
InputSet Ellipse() { return {"UndoEllipseInput", {LengthByRule(MajorAxis), LengthByRule(MinorAxis)}}; }
InputSet Sector()
{
    // The angle always carries its "(°)".
    return {"UndoSectorInput",
            {LengthByRule(Radius), {{Angle, UnitSuffix::Angle, SuffixShown::Always}}}};
}
InputSet Cylinder() { return {"UndoCylinderInput", {LengthByRule(Diameter), LengthByRule(Height)}}; }
InputSet Cone() { return {"UndoConeInput", {LengthByRule(BaseDiameter), LengthByRule(Height)}}; }
InputSet Parallelogram() { return {"UndoParallelogramInput", {LengthByRule(Base), LengthByRule(Height)}}; }
InputSet Trapezoid()
{
    return {"UndoTrapezoidInput", {LengthByRule(LongBase), LengthByRule(ShortBase), LengthByRule(Height)}};
}
InputSet HouseWalls()
{
    return {"UndoHouseWallsInput",
            {LengthAlways(GableLength), LengthAlways(GableHeight), LengthAlways(SideLength),
             LengthAlways(SideHeight)}};
}
InputSet Pyramid() { return {"UndoPyramidInput", {LengthByRule(Side), LengthByRule(Height)}}; }
InputSet HouseVolume()
{
    return {"UndoHouseVolumeInput",
            {LengthAlways(GableLength), LengthAlways(GableHeight), LengthAlways(SideLength),
             LengthAlways(SideHeight), LengthAlways(WallThickness)}};
}
InputSet Polygon()
{
    InputDescription sides{{SideCount, UnitSuffix::None, SuffixShown::ByRule}};
    sides.list = true;
    sides.rows = PolygonSideRows;
    return {"UndoPolygonInput", {LengthAlways(SideLength), sides}};
}

using namespace geometry;

constexpr Label LengthResult{Perimeter, UnitSuffix::Length, SuffixShown::ByRule};
constexpr Label AreaResult{Area, UnitSuffix::Area, SuffixShown::ByRule};
constexpr Label VolumeResult{Volume, UnitSuffix::Volume, SuffixShown::ByRule};

// The handler names follow the calculator number: PCalculNClick, PEtNClick.
const char* const kComputeNames[] = {
    nullptr, "PCalcul1Click", "PCalcul2Click", "PCalcul3Click", "PCalcul4Click", "PCalcul5Click",
    "PCalcul6Click", "PCalcul7Click", "PCalcul8Click", "PCalcul9Click", "PCalcul10Click", "PCalcul11Click",
    "PCalcul12Click", "PCalcul13Click", "PCalcul14Click", "PCalcul15Click", "PCalcul16Click", nullptr, nullptr,
    nullptr, "PCalcul20Click", nullptr, "PCalcul22Click"};
const char* const kNextTermNames[] = {
    nullptr, nullptr, "PEt2Click", nullptr, "PEt4Click", "PEt5Click", "PEt6Click", "PEt7Click", "PEt8Click",
    "PEt9Click", "PEt10Click", nullptr, "PEt12Click", "PEt13Click", "PEt14Click", "PEt15Click", "PEt16Click",
    nullptr, nullptr, nullptr, "PEt20Click", nullptr, nullptr};

GeometryCalculator Calculator(int number, int resultCode, InputSet inputs, Label result, GeometryFormula formula)
{
    GeometryCalculator g;
    CalculatorDescription& d = g.description;
    d.number = number;
    d.resultCode = resultCode;
    d.inputs = std::move(inputs.inputs);
    d.result = result;
    // Single-input calculators have no "&&" key.
    d.hasNextKey = d.inputs.size() > 1;
    d.handlers.compute = kComputeNames[number];
    d.handlers.nextTerm = kNextTermNames[number];
    d.handlers.undo = inputs.undo;
    d.computeHint = QStringLiteral("Exécute le calcul");
    g.formula = formula;
    return g;
}

std::array<GeometryCalculator, 18> BuildCalculators()
{
    GeometryCalculator circlePerimeter = Calculator(1, Code::LengthResult, CircleSphere(), LengthResult,
                                                    CirclePerimeter);
    circlePerimeter.normalizesEntry = true;

    GeometryCalculator ellipsePerimeter = Calculator(2, Code::LengthResult, Ellipse(), LengthResult,
                                                     EllipsePerimeter);
    ellipsePerimeter.computeCheck = MajorAxisIsLonger;

    GeometryCalculator sector = Calculator(4, Code::AreaResult, Sector(), AreaResult, SectorArea);
    sector.computeCheck = AngleBelowFullTurn;

    GeometryCalculator ellipseArea = Calculator(5, Code::AreaResult, Ellipse(), AreaResult, EllipseArea);
    ellipseArea.computeCheck = MajorAxisIsLonger;

    GeometryCalculator cylinderSurface = Calculator(6, Code::AreaResult, Cylinder(), AreaResult,
                                                    CylinderLateralArea);
    cylinderSurface.keepsMemory = true;

    GeometryCalculator trapezoid = Calculator(9, Code::AreaResult, Trapezoid(), AreaResult, TrapezoidArea);
    trapezoid.nextTermCheck = ShortBaseIsShorter;

    GeometryCalculator houseWalls = Calculator(10, Code::AreaResult, HouseWalls(),
                                               {Area, UnitSuffix::Area, SuffixShown::Always}, HouseWallsArea);
    houseWalls.computeCheck = SideWallNotAboveGable;
    houseWalls.rereadsLastTerm = true;

    GeometryCalculator houseVolume = Calculator(16, Code::VolumeResult, HouseVolume(),
                                                {Volume, UnitSuffix::Volume, SuffixShown::Always},
                                                HouseInteriorVolume);
    houseVolume.nextTermCheck = SideHeightNotAboveGable;
    houseVolume.computeCheck = WallThicknessFits;
    houseVolume.rereadsLastTerm = true;

    GeometryCalculator polygon = Calculator(20, Code::PolygonResult, Polygon(),
                                            {SurfaceArea, UnitSuffix::Area, SuffixShown::ByRule}, PolygonArea);
    polygon.description.handlers.listChoice = "ListBox20Click";

    return {
        circlePerimeter,
        ellipsePerimeter,
        Calculator(3, Code::AreaResult, CircleSphere(), AreaResult, CircleArea),
        sector,
        ellipseArea,
        cylinderSurface,
        Calculator(7, Code::AreaResult, Cone(), AreaResult, ConeLateralArea),
        Calculator(8, Code::AreaResult, Parallelogram(), AreaResult, ParallelogramArea),
        trapezoid,
        houseWalls,
        Calculator(11, Code::VolumeResult, CircleSphere(), VolumeResult, SphereVolume),
        Calculator(12, Code::VolumeResult, Cylinder(), VolumeResult, CylinderVolume),
        Calculator(13, Code::VolumeResult, Pyramid(), VolumeResult, TriangularPyramidVolume),
        Calculator(14, Code::VolumeResult, Pyramid(), VolumeResult, SquarePyramidVolume),
        Calculator(15, Code::VolumeResult, Cone(), VolumeResult, ConeVolume),
        houseVolume,
        polygon,
        Calculator(22, Code::AreaResult, CircleSphere(), {SurfaceArea, UnitSuffix::Area, SuffixShown::ByRule},
                   SphereSurface),
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
    static const std::array<GeometryCalculator, 18> calculators = BuildCalculators();
    return calculators;
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
