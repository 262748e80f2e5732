#pragma once

// Maximum conductor length (calculator 34): the greatest length in metres of a copper
// circuit for a voltage U (V), a current I (A), a wire section S (mm2), an allowed
// voltage drop d (%) and single- or three-phase, rounded down to hundredths.

#include "calculators/protocol/fixed_units.h"

#include <QStringList>

namespace tornavel::electrical {

// Inputs by index: four typed, the phase a list row (0 single-phase, 1 three-phase).
inline constexpr int LineVoltageInput = 0;
inline constexpr int LineCurrentInput = 1;
inline constexpr int SectionInput = 2;
inline constexpr int VoltageDropInput = 3;
inline constexpr int PhaseInput = 4;

// The voltage, the current and the section may not be 0; the voltage drop may.
// Negative values are taken (they give a negative length).
fixedunits::InputCheck CheckConductorInput(double value, int inputIndex, const InputValues& closed);

// Single-phase: L = (U x S x d) / (1.75 x I x 2); three-phase: L = (U x S x d) /
// (3.0275 x I) (1.75 x 1.73); the length rounded down to hundredths, the cut-off taken
// on the value shown (an exact 12,34 stays 12,34). A floating-point error (a current
// of 0 from a damaged entry, an overflow) refuses the inputs; a stored phase outside
// the list computes nothing.
fixedunits::Result ComputeConductorLength(const InputValues& inputs, int sharedSelection = 0);

// List rows of input 4, also its formula terms: "Monophasé", "Triphasé".
QStringList PhaseRows(const InputValues& closed, const QString& separator);

} // namespace tornavel::electrical
