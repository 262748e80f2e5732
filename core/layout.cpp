#include "core/engine.h"

namespace tornavel {

void Engine::ShowCalculator(TCalculette&) {}
void Engine::UpdateOperatorButtons(const TCalculette&) {}
QString Engine::PromptWithSuffix(int promptId, const QString&, bool) const { return Str(promptId); }
bool Engine::UnitSuffixShown() const { return options.UnitDisplayOption == 1; }

} // namespace tornavel
