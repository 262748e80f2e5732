#pragma once

// Resistance and power (calculator 32): from a voltage U in volts and a current I in
// amperes, the power P = U x I in watts or the resistance R = U / I in ohms, chosen by
// the selection shared with the electrical circuit calculator.

#include "calculators/protocol/fixed_units.h"

namespace tornavel::electrical {

// Inputs by index.
inline constexpr int VoltageInput = 0;
inline constexpr int CurrentInput = 1;

// Own options (RbtnPuissance, RbtnResistance).
inline constexpr int PowerOption = 0;
inline constexpr int ResistanceOption = 1;
inline constexpr int ResistancePowerOptionCount = 2;

// The option shown and computed: the shared selection 2 ("Disjoncteur" of the circuit
// calculator) has no counterpart here and means the power.
int ResistancePowerOwnOption(int sharedSelection);

// The power or the resistance, stored as a double. A resistance with a current of 0
// raises the division-by-zero error ("Opération en virgule flottante incorrecte" when
// the voltage is 0 too); a result out of range raises the overflow error.
fixedunits::Result ComputeResistancePower(const InputValues& inputs, int sharedSelection);

} // namespace tornavel::electrical
