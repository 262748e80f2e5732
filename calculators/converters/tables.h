#pragma once

// The reference tables of the converters: the materials with their densities and the
// units of volume, temperature and capacity.

#include "core/tables.h"

namespace tornavel {

inline constexpr int MaterialCount = 107;
inline constexpr int VolumeUnitCount = 3;
inline constexpr int TemperatureUnitCount = 3;
inline constexpr int CapacityUnitCount = 4;

// ---------------------------------------------------------------------------
// Materials
// ---------------------------------------------------------------------------

extern const TextTable<MaterialCount> MaterialNames;      // list items
extern const TextTable<MaterialCount> MaterialShortNames; // in formulas and history
extern const Table<double, MaterialCount> MaterialDensities; // kg per dm3

// ---------------------------------------------------------------------------
// Units
// ---------------------------------------------------------------------------

extern const TextTable<VolumeUnitCount> VolumeUnitNames;
extern const TextTable<TemperatureUnitCount> TemperatureUnitNames;
extern const TextTable<CapacityUnitCount> CapacityUnitNames;      // list items
extern const TextTable<CapacityUnitCount> CapacityUnitShortNames; // in formulas
extern const Table<double, CapacityUnitCount> CapacityLitres;     // litres per unit

} // namespace tornavel
