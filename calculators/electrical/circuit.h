#pragma once

// Electrical circuit (calculator 33): for a kind of circuit and its number of points,
// both chosen in the list, the wire section (mm2), the fuse rating (A) or the
// circuit-breaker rating (A) of the circuit table, chosen by the selection shared
// with the resistance and power calculator. Where the table has no value the result
// is "#NV".

#include "calculators/protocol/fixed_units.h"

#include <QStringList>

namespace tornavel::electrical {

// Inputs by index: both are list rows.
inline constexpr int CircuitInput = 0; // circuit index
inline constexpr int PointsInput = 1;  // number of points less one

// Own options (RbtnSection, RbtnFusible, RbtnDisjoncteur).
inline constexpr int SectionOption = 0;
inline constexpr int FuseOption = 1;
inline constexpr int BreakerOption = 2;
inline constexpr int CircuitOptionCount = 3;

int CircuitOwnOption(int sharedSelection);

// The value of the chosen option for the stored circuit and points; NoValue where the
// table has none; Nothing when the stored circuit or point count names no row.
fixedunits::Result ComputeCircuit(const InputValues& inputs, int sharedSelection);

// List rows of input 0: the circuit names; its formula terms are the short names.
QStringList CircuitRows(const InputValues& closed, const QString& separator);
QStringList CircuitShortTexts(const InputValues& closed, const QString& separator);
// List rows of input 1: "1" up to the maximum of the circuit stored as input 0 (also
// its formula terms); empty when that circuit names no row.
QStringList CircuitPointRows(const InputValues& closed, const QString& separator);

} // namespace tornavel::electrical
