#include "core/engine.h"

namespace tornavel {

void InstallGeometryCalculators(std::array<CalculatorKeys, CalculatorCount>&) {}

} // namespace tornavel
