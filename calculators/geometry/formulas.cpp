#include "calculators/geometry/formulas.h"

#include "core/numbers.h"
#include "core/options.h"

#include <cmath>

namespace tornavel::geometry {

namespace {

using Ext = long double;

constexpr Ext kPi = Pi;
constexpr Ext kOneThird = 1.0L / 3.0L;          // extended value nearest to 1/3
constexpr double kOneThirdDouble = 1.0 / 3.0;   // double value nearest to 1/3
constexpr Ext kOne360th = 1.0L / 360.0L;        // extended value nearest to 1/360

Ext In(const GeometryValues& v, int k)
{
    return static_cast<Ext>(v[static_cast<size_t>(k)]);
}

// Square root in extended precision; a negative argument is an invalid operation.
Ext Root(Ext x)
{
    return CheckedValue(std::sqrt(CheckedValue(x)));
}

} // namespace

double CirclePerimeter(const GeometryValues& v)
{
    return ToDouble(In(v, 0) * kPi);
}

double EllipsePerimeter(const GeometryValues& v)
{
    const Ext a = In(v, 0) * 0.5L;
    const Ext b = In(v, 1) * 0.5L;
    return ToDouble(Root((a * a + b * b) * 0.5L) * (2.0L * kPi));
}

double CircleArea(const GeometryValues& v)
{
    const Ext d = In(v, 0);
    return ToDouble(d * d * 0.25L * kPi);
}

double SectorArea(const GeometryValues& v)
{
    const Ext r = In(v, 0);
    return ToDouble(r * r * kPi * In(v, 1) * kOne360th);
}

double EllipseArea(const GeometryValues& v)
{
    return ToDouble(kPi * (In(v, 0) * 0.5L) * (In(v, 1) * 0.5L));
}

double CylinderLateralArea(const GeometryValues& v)
{
    return ToDouble(kPi * In(v, 0) * In(v, 1));
}

// The lateral surface as the sector of the unrolled cone: its radius is the slant
// height g, its angle the ratio of the base perimeter to the full circle of radius g.
double ConeLateralArea(const GeometryValues& v)
{
    const Ext d = In(v, 0);
    const Ext h = In(v, 1);
    const Ext g = ToDouble(Root(ToDouble(h * h + d * d * 0.25L)));
    const Ext p = ToDouble(d * kPi);
    const Ext c = ToDouble(2.0L * g * kPi);
    const Ext angle = ToDouble(CheckedDivide(p, c) * 360.0L);
    return ToDouble(kPi * g * g * angle * kOne360th);
}

double ParallelogramArea(const GeometryValues& v)
{
    return ToDouble(In(v, 0) * In(v, 1));
}

double TrapezoidArea(const GeometryValues& v)
{
    return ToDouble((In(v, 0) + In(v, 1)) * In(v, 2) * 0.5L);
}

// Two gable triangles above the side-wall height, two gable rectangles up to it and
// two side walls.
double HouseWallsArea(const GeometryValues& v)
{
    const Ext lp = In(v, 0), hp = In(v, 1), lc = In(v, 2), hc = In(v, 3);
    return ToDouble((hp - hc) * lp + hc * lp * 2.0L + hc * lc * 2.0L);
}

double SphereVolume(const GeometryValues& v)
{
    const Ext r = ToDouble(In(v, 0) * 0.5L);
    return ToDouble(r * r * r * kPi * 4.0L / 3.0L);
}

double CylinderVolume(const GeometryValues& v)
{
    const Ext a = In(v, 0);
    return ToDouble(a * a * 0.25L * kPi * In(v, 1));
}

// The base is the equilateral triangle of side a, whose height is sqrt(a^2 - a^2/4).
double TriangularPyramidVolume(const GeometryValues& v)
{
    const Ext a = In(v, 0);
    const Ext s = ToDouble(a * a - a * a * 0.25L);
    const Ext t = ToDouble(Root(s));
    const Ext base = ToDouble(a * t * 0.5L);
    return ToDouble(base * In(v, 1) * kOneThird);
}

double SquarePyramidVolume(const GeometryValues& v)
{
    const Ext a = In(v, 0);
    const Ext base = ToDouble(a * a);
    return ToDouble(base * In(v, 1) * kOneThird);
}

double ConeVolume(const GeometryValues& v)
{
    const Ext a = In(v, 0);
    const Ext base = ToDouble(a * a * 0.25L * kPi);
    return ToDouble(base * In(v, 1) * static_cast<Ext>(kOneThirdDouble));
}

// The roof prism above the side walls plus the box below it, both inside the walls.
double HouseInteriorVolume(const GeometryValues& v)
{
    const Ext lp = In(v, 0), hp = In(v, 1), lc = In(v, 2), hc = In(v, 3), e = In(v, 4);
    const Ext innerLp = lp - 2.0L * e;
    const Ext innerLc = lc - 2.0L * e;
    return ToDouble(innerLp * (hp - hc) * innerLc * 0.5L + innerLp * innerLc * hc);
}

// Shortened area factors of the regular pentagon and hexagon; no other count has one.
double PolygonArea(const GeometryValues& v)
{
    const Ext c = In(v, 0);
    const double sides = v[1];
    if (sides == 5.0)
        return ToDouble(1.72L * c * c);
    if (sides == 6.0)
        return ToDouble(2.6L * c * c);
    return 0.0;
}

double SphereSurface(const GeometryValues& v)
{
    const Ext d = In(v, 0);
    return ToDouble(d * d * kPi);
}

bool MajorAxisIsLonger(const GeometryValues& v, int)
{
    return v[0] > v[1];
}

bool AngleBelowFullTurn(const GeometryValues& v, int)
{
    return v[1] < 360.0;
}

bool ShortBaseIsShorter(const GeometryValues& v, int k, double value)
{
    return k != 1 || v[0] > value;
}

bool SideWallNotAboveGable(const GeometryValues& v, int)
{
    return v[1] >= v[3];
}

bool SideHeightNotAboveGable(const GeometryValues& v, int k, double value)
{
    return k != 3 || v[1] >= value;
}

bool WallThicknessFits(const GeometryValues& v, int unitScaleCode)
{
    const double e = v[4];
    const double eCm = ToDouble(static_cast<Ext>(e) * static_cast<Ext>(UnitFactor(unitScaleCode)));
    if (!(eCm > 0.0) || eCm >= 100.0)
        return false;
    // The lengths and the thickness are in the same unit.
    const Ext twice = 2.0L * static_cast<Ext>(e);
    return twice < In(v, 0) && twice < In(v, 2);
}

} // namespace tornavel::geometry
