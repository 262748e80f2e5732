#pragma once

#include "core/state.h"

// The constant reference tables that the calculators share: the rafter
// spacings, concrete types, kinds of surface, materials, electrical circuits,
// converter units, laying patterns and polygon sides.
//
// Every table is read through `at`, which refuses an index outside the table
// instead of reading past it; the combined lookups (span class, rafter
// spacing, circuit row) refuse what no table row answers.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tornavel {

// ---------------------------------------------------------------------------
// Sizes
// ---------------------------------------------------------------------------

inline constexpr int RafterSectionCount = 7;
inline constexpr int RafterLoadClassCount = 3;
inline constexpr int RafterSpanClassCount = 8;
inline constexpr int RafterSpacingCount =
    RafterSpanClassCount * RafterSectionCount * RafterLoadClassCount; // 168
inline constexpr int ConcreteTypeCount = 3;
inline constexpr int SurfaceTypeCount = 5;
inline constexpr int MaterialCount = 107;
inline constexpr int CircuitCount = 18;
inline constexpr int CircuitRowCount = 19; // circuit 7 has two rows
inline constexpr int PhaseCount = 2;
inline constexpr int VolumeUnitCount = 3;
inline constexpr int TemperatureUnitCount = 3;
inline constexpr int CapacityUnitCount = 4;
inline constexpr int LayingPatternCount = 2;
inline constexpr int PolygonSideRowCount = 2;

// Marks a combination without an answer in `RafterSpacings`.
inline constexpr double NoRafterSpacing = -1.0;
// Marks a circuit row without a fuse in `CircuitFuseRatings`.
inline constexpr std::int32_t NoFuseRating = -1;

// ---------------------------------------------------------------------------
// Table types: fixed contents, checked reads only
// ---------------------------------------------------------------------------

// A read-only table of N values; `at` refuses an index outside 0..N-1.
template <typename T, int N>
class Table {
    static_assert(N > 0);

public:
    constexpr explicit Table(const std::array<T, N>& values) : values_(values) {}

    static constexpr int size() { return N; }

    constexpr std::optional<T> at(int index) const
    {
        if (index < 0 || index >= N)
            return std::nullopt;
        return values_[static_cast<std::size_t>(index)];
    }

    constexpr auto begin() const { return values_.begin(); }
    constexpr auto end() const { return values_.end(); }

private:
    std::array<T, N> values_;
};

// A read-only table of N fixed texts; `at` refuses an index outside 0..N-1,
// `items` gives all of them in order, as a list is filled with them.
template <int N>
class TextTable {
    static_assert(N > 0);

public:
    constexpr explicit TextTable(const std::array<QStringView, N>& texts) : texts_(texts) {}

    static constexpr int size() { return N; }

    std::optional<QString> at(int index) const
    {
        if (index < 0 || index >= N)
            return std::nullopt;
        return texts_[static_cast<std::size_t>(index)].toString();
    }

    QStringList items() const
    {
        QStringList list;
        list.reserve(N);
        for (QStringView text : texts_)
            list.append(text.toString());
        return list;
    }

private:
    std::array<QStringView, N> texts_;
};

// ---------------------------------------------------------------------------
// Rafters (calculators 17 and 18)
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
// Concrete (23), surfaces and paint (25, 26)
// ---------------------------------------------------------------------------

extern const TextTable<ConcreteTypeCount> ConcreteTypeNames;      // list items
extern const TextTable<ConcreteTypeCount> ConcreteTypeShortNames; // in formulas
extern const TextTable<SurfaceTypeCount> SurfaceTypeNames;
extern const Table<double, SurfaceTypeCount> SurfaceCoatFactors; // paint multiplier

// ---------------------------------------------------------------------------
// Materials (converters 35 and 36)
// ---------------------------------------------------------------------------

extern const TextTable<MaterialCount> MaterialNames;      // list items
extern const TextTable<MaterialCount> MaterialShortNames; // in formulas and history
extern const Table<double, MaterialCount> MaterialDensities; // kg per dm3

// ---------------------------------------------------------------------------
// Electrical circuits (33, 34)
// ---------------------------------------------------------------------------

extern const TextTable<CircuitCount> CircuitNames;      // list items
extern const TextTable<CircuitCount> CircuitShortNames; // in formulas and history
extern const Table<std::int32_t, CircuitCount> CircuitMaxPoints;
// By circuit row (see CircuitRow):
extern const Table<double, CircuitRowCount> CircuitWireSections;         // mm2
extern const Table<std::int32_t, CircuitRowCount> CircuitFuseRatings;    // A, or NoFuseRating
extern const Table<std::int32_t, CircuitRowCount> CircuitBreakerRatings; // A

// The row of the circuit value tables: circuit c below 7 is row c; circuit 7
// (16 A sockets) is row 7 for at most 5 points and row 8 for more; a circuit
// above 7 is row c + 1. None for a circuit outside 0..17.
std::optional<int> CircuitRow(int circuit, int points);

extern const TextTable<PhaseCount> PhaseNames; // "Monophasé", "Triphasé"

// ---------------------------------------------------------------------------
// Converter units (35 to 38), laying patterns (30), polygon sides (20)
// ---------------------------------------------------------------------------

extern const TextTable<VolumeUnitCount> VolumeUnitNames;
extern const TextTable<TemperatureUnitCount> TemperatureUnitNames;
extern const TextTable<CapacityUnitCount> CapacityUnitNames;      // list items
extern const TextTable<CapacityUnitCount> CapacityUnitShortNames; // in formulas
extern const Table<double, CapacityUnitCount> CapacityLitres;     // litres per unit
extern const TextTable<LayingPatternCount> LayingPatternNames;
extern const Table<std::int32_t, PolygonSideRowCount> PolygonSides; // by list row

// ---------------------------------------------------------------------------
// Stored choices
// ---------------------------------------------------------------------------

// A list choice is stored as a number; its index is the integer part,
// truncated towards zero. None for a value that is not finite or lies
// outside the range of int (a damaged stored entry), so that it can never
// become an index by an undefined conversion.
std::optional<int> TruncatedIndex(double storedValue);

} // namespace tornavel
