#include "core/engine.h"

namespace tornavel {

void Engine::PushCalculator(int number, int target)
{
    CalculatorStack.push_back(TCalculette(number, target));
}
void Engine::OpenCalculator(int number)
{
    CalculatorStack.clear();
    PushCalculator(number, -1);
}
void Engine::POk0Click() {}
void Engine::LbCalculettesDblClick(int) {}
void Engine::ResetCurrentCalculatorDisplay() {}
int Engine::TargetCalculatorNumber(const TCalculette& record) const { return record.Target; }
void Engine::PopCalculator() {}
bool Engine::IsOpenInStack(int) const { return false; }

} // namespace tornavel
