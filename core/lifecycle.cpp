#include "core/engine.h"

namespace tornavel {

void Engine::FormCreate(const QString&) {}
void Engine::FormActivate() {}
void Engine::FormClose() {}

} // namespace tornavel
