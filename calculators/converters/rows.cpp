#include "calculators/converters/converters.h"
#include "calculators/protocol/families.h"

#include <array>

namespace tornavel {

std::span<const ProtocolCalculator* const> ConverterProtocolRows()
{
    static const std::array<const ProtocolCalculator*, 4> rows{
        &converters::VolumeToWeightCalculator,
        &converters::WeightToVolumeCalculator,
        &converters::TemperatureCalculator,
        &converters::CapacityCalculator,
    };
    return rows;
}

} // namespace tornavel
