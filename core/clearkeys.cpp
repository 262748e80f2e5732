#include "core/engine.h"

namespace tornavel {

void Engine::CalculatriceCEClick() {}
void Engine::CalculatriceCClick() {}

} // namespace tornavel
