#pragma once

// The reference tables of the electrical calculators: the circuits, their wire
// sections, fuses and breakers, and the phases.

#include "core/tables.h"

#include <cstdint>
#include <optional>

namespace tornavel {

inline constexpr int CircuitCount = 18;
inline constexpr int CircuitRowCount = 19; // circuit 7 has two rows
inline constexpr int PhaseCount = 2;

// Marks a circuit row without a fuse in `CircuitFuseRatings`.
inline constexpr std::int32_t NoFuseRating = -1;

// ---------------------------------------------------------------------------
// Electrical circuits
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

} // namespace tornavel
