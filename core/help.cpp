#include "core/engine.h"

namespace tornavel {

void Engine::AideTornavelClick() {}
void Engine::CollaborationClick() {}
void Engine::AstucesTornavelClick() {}
void Engine::VideosdedmonstrationdeTornavelClick() {}
void Engine::PagePresentationTornavelClick() {}
void Engine::SiteInternetAuteurClick() {}
void Engine::AproposdeTornavelClick() {}
void Engine::MiseANiveauClick() {}

} // namespace tornavel
