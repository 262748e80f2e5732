#include "core/engine.h"

namespace tornavel {

void Engine::AppendKeyToEntry(const QString&, PanelState&) {}
void Engine::PCalculatriceDigitClick(int) {}
void Engine::PCalculatriceVirguleClick() {}
void Engine::PMR0Click() {}
bool Engine::FormKeyPress(QChar) { return false; }
bool Engine::FormKeyDown(int, bool) { return false; }

} // namespace tornavel
