#pragma once

// The formulas and input checks of the geometry calculators. Lengths are in the
// user's unit; a result is in that unit, its square or its cube. Each formula runs in
// extended precision, rounds to a double where its comment says so, and returns the
// result rounded to a double; an invalid operation or an overflow raises CalcError.

#include "calculators/geometry/descriptions.h"
#include "core/numbers.h"

namespace tornavel::geometry {

using tornavel::Pi;

double CirclePerimeter(const GeometryValues& v);     // 1: d
double EllipsePerimeter(const GeometryValues& v);    // 2: major axis, minor axis
double CircleArea(const GeometryValues& v);          // 3: d
double SectorArea(const GeometryValues& v);          // 4: radius, angle in degrees
double EllipseArea(const GeometryValues& v);         // 5: major axis, minor axis
double CylinderLateralArea(const GeometryValues& v); // 6: d, h
double ConeLateralArea(const GeometryValues& v);     // 7: base diameter, h
double ParallelogramArea(const GeometryValues& v);   // 8: base, h
double TrapezoidArea(const GeometryValues& v);       // 9: long base, short base, h
double HouseWallsArea(const GeometryValues& v);      // 10: Lp, Hp, Lc, Hc
double SphereVolume(const GeometryValues& v);        // 11: d
double CylinderVolume(const GeometryValues& v);      // 12: d, h
double TriangularPyramidVolume(const GeometryValues& v); // 13: side, h
double SquarePyramidVolume(const GeometryValues& v); // 14: side, h
double ConeVolume(const GeometryValues& v);          // 15: base diameter, h
double HouseInteriorVolume(const GeometryValues& v); // 16: Lp, Hp, Lc, Hc, thickness
double PolygonArea(const GeometryValues& v);         // 20: side, number of sides
double SphereSurface(const GeometryValues& v);       // 22: d

// Ellipses: the major axis must be strictly longer than the minor one.
bool MajorAxisIsLonger(const GeometryValues& v, int unitScaleCode);
// Sector: the angle must be below a full turn.
bool AngleBelowFullTurn(const GeometryValues& v, int unitScaleCode);
// Trapezium, at the short base: the long base must be strictly longer.
bool ShortBaseIsShorter(const GeometryValues& v, int k, double value);
// House walls, at the last input: the side-wall height may not exceed the gable's.
bool SideWallNotAboveGable(const GeometryValues& v, int unitScaleCode);
// Interior volume, at the side-wall height: the same rule as the house walls.
bool SideHeightNotAboveGable(const GeometryValues& v, int k, double value);
// Interior volume, at the thickness: strictly between 0 and 1 metre, and leaving an
// interior (twice the thickness shorter than either wall length).
bool WallThicknessFits(const GeometryValues& v, int unitScaleCode);

} // namespace tornavel::geometry
