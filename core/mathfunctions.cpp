#include "core/engine.h"

namespace tornavel {

void Engine::PCalculatriceSinClick() {}
void Engine::PCalculatriceCosClick() {}
void Engine::PCalculatriceTanClick() {}
void Engine::PCalculatriceInvClick() {}
void Engine::PCalculatricePiClick() {}
void Engine::PCalculatricePuisClick() {}
void Engine::PCalculatriceInvSigneClick() {}
void Engine::PCalcul39Click() {}
void Engine::UndoMathFunctionInput() {}

} // namespace tornavel
