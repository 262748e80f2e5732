#include "calculators/electrical/electrical.h"
#include "calculators/protocol/families.h"

#include <array>

namespace tornavel {

std::span<const ProtocolCalculator* const> ElectricalProtocolRows()
{
    static const std::array<const ProtocolCalculator*, 3> rows{
        &electrical::ResistancePowerCalculator,
        &electrical::CircuitCalculator,
        &electrical::ConductorLengthCalculator,
    };
    return rows;
}

} // namespace tornavel
