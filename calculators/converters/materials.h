#pragma once

// The converters between the volume and the weight of a material of the material
// table: volume to weight (calculator 35: material, volume, volume unit; the weight in
// kilograms) and weight to volume (calculator 36: material, weight in kilograms; the
// volume in cubic decimetres or cubic metres, chosen by the selection shared with the
// temperature and capacity converters).

#include "calculators/protocol/fixed_units.h"

#include <QStringList>

namespace tornavel::converters {

// Inputs of the volume-to-weight converter by index.
inline constexpr int WeighedMaterialInput = 0; // material row
inline constexpr int VolumeInput = 1;           // in the unit of input 2
inline constexpr int VolumeUnitInput = 2;       // 0 cm3, 1 dm3, 2 m3

// Inputs of the weight-to-volume converter by index.
inline constexpr int MeasuredMaterialInput = 0; // material row
inline constexpr int WeightInput = 1;           // kilograms

// Own options of the weight-to-volume converter (RbtnDm3_1, RbtnM3_1).
inline constexpr int CubicDecimetreOption = 0;
inline constexpr int CubicMetreOption = 1;
inline constexpr int WeightToVolumeOptionCount = 2;

// Volume to weight: a volume of 0 is refused; a negative volume is taken.
fixedunits::InputCheck CheckVolumeToWeightInput(double value, int inputIndex, const InputValues& closed);

// W = (density x unit factor) x V, in kilograms. A stored material or unit outside its
// table computes nothing; an overflow raises the overflow error.
fixedunits::Result ComputeVolumeToWeight(const InputValues& inputs, int sharedSelection = 0);

// The shared selections 2 and 3 (options of the other converters) mean cubic decimetres.
int WeightToVolumeOwnOption(int sharedSelection);

// V = (W / density) x unit factor. A stored material outside the table computes
// nothing; an overflow raises the overflow error.
fixedunits::Result ComputeWeightToVolume(const InputValues& inputs, int sharedSelection);

// List rows of the material input (the material names) and their formula terms (the
// short names).
QStringList MaterialRows(const InputValues& closed, const QString& separator);
QStringList MaterialShortTexts(const InputValues& closed, const QString& separator);
// List rows of the volume unit ("cm3", "dm3 (litre)", "m3") and their formula terms,
// the first three characters of each row ("cm3", "dm3", "m3").
QStringList VolumeUnitRows(const InputValues& closed, const QString& separator);
QStringList VolumeUnitShortTexts(const InputValues& closed, const QString& separator);

} // namespace tornavel::converters
