#pragma once

// Capacity converter (calculator 38): a quantity in the unit chosen in the list
// (0 dm3, 1 bucket of 12 litres, 2 wheelbarrow of 90 litres, 3 m3) converted to the
// unit of the selection shared with the weight-to-volume and temperature converters.

#include "calculators/protocol/fixed_units.h"

#include <QStringList>

namespace tornavel::converters {

// Inputs by index.
inline constexpr int CapacityUnitInput = 0; // source unit row
inline constexpr int QuantityInput = 1;     // in the source unit

// Own options (RbtnDm3_2, RbtnSeau, RbtnBrouette, RbtnM3_2), in the order of the units.
inline constexpr int CapacityOptionCount = 4;

int CapacityOwnOption(int sharedSelection);

// r = (litres of the source unit / litres of the target unit) x quantity. A quantity
// of 0, or an overflow, refuses the inputs; a stored source unit outside the list
// computes nothing.
fixedunits::Result ComputeCapacity(const InputValues& inputs, int sharedSelection);

// List rows of the unit input and their formula terms.
QStringList CapacityUnitRows(const InputValues& closed, const QString& separator);
QStringList CapacityUnitShortTexts(const InputValues& closed, const QString& separator);

} // namespace tornavel::converters
