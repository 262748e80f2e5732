#include "core/engine.h"

namespace tornavel {

Engine::Engine(const CalculatorCatalogue& catalogue, const StringTable& strings, UiServices& ui,
               QString decimalSeparator)
    : strings_(strings), ui_(ui), descriptions(catalogue.Rows()), numbers_(std::move(decimalSeparator))
{
}

} // namespace tornavel
