#include "core/engine.h"

namespace tornavel {

void Engine::PCalculatricePlusClick() {}
void Engine::PCalculatriceMoinsClick() {}
void Engine::PCalculatriceMultClick() {}
void Engine::PCalculatriceSlashClick() {}
void Engine::PCalculatriceRacineClick() {}
void Engine::PCalculatriceInverseClick() {}
void Engine::PCalculatriceEgalClick() {}
void Engine::PCalculatriceMSClick() {}
void Engine::UndoStandardTerm(bool) {}

} // namespace tornavel
