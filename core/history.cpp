#include "core/engine.h"

namespace tornavel {

void Engine::AddHistoryEntry(int, const QString&, const std::array<double, 6>&, int, int) {}

} // namespace tornavel

namespace tornavel {

void Engine::PopupMCalculsPopup() {}
void Engine::TraitArticleMCalculs(int) {}
void Engine::ReplayHistoryEntry(int) {}

} // namespace tornavel
