#pragma once

// The reference tables of the building calculators: the rafter sections, load classes,
// span limits and spacings, the kinds of concrete, the kinds of surface with their
// paint factors and the laying patterns of parquet.

#include "core/tables.h"

#include <optional>

namespace tornavel {

inline constexpr int RafterSectionCount = 7;
inline constexpr int RafterLoadClassCount = 3;
inline constexpr int RafterSpanClassCount = 8;
inline constexpr int RafterSpacingCount =
    RafterSpanClassCount * RafterSectionCount * RafterLoadClassCount; // 168
inline constexpr int ConcreteTypeCount = 3;
inline constexpr int SurfaceTypeCount = 5;
inline constexpr int LayingPatternCount = 2;

// Marks a combination without an answer in `RafterSpacings`.
inline constexpr double NoRafterSpacing = -1.0;

// ---------------------------------------------------------------------------
// Rafters
// ---------------------------------------------------------------------------

extern const TextTable<RafterSectionCount> RafterSectionNames;     // "6/10" ... (cm)
extern const TextTable<RafterSectionCount> RafterSectionNamesInch; // "2.36/3.94" ...
extern const TextTable<RafterLoadClassCount> RafterLoadClasses;    // "200", "250", "300"
extern const Table<double, RafterSpanClassCount> RafterSpanLimits; // upper limit, cm
// Greatest spacing in cm at 21 x span class + 3 x section + load class;
// NoRafterSpacing where the combination has no valid value.
extern const Table<double, RafterSpacingCount> RafterSpacings;

// The first span class whose limit is at least the span (in centimetres);
// none for a span above the last limit (400) or not a number.
std::optional<int> RafterSpanClass(double spanCm);

// The spacing of `RafterSpacings` for a span class, section and load class;
// none when any of the three lies outside its own range. The value may be
// NoRafterSpacing.
std::optional<double> RafterSpacing(int spanClass, int section, int loadClass);

// ---------------------------------------------------------------------------
// Concrete, surfaces and paint
// ---------------------------------------------------------------------------

extern const TextTable<ConcreteTypeCount> ConcreteTypeNames;      // list items
extern const TextTable<ConcreteTypeCount> ConcreteTypeShortNames; // in formulas
extern const TextTable<SurfaceTypeCount> SurfaceTypeNames;
extern const Table<double, SurfaceTypeCount> SurfaceCoatFactors; // paint multiplier

// ---------------------------------------------------------------------------
// Laying patterns
// ---------------------------------------------------------------------------

extern const TextTable<LayingPatternCount> LayingPatternNames;

} // namespace tornavel
