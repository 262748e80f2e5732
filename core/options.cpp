#include "core/engine.h"

namespace tornavel {

double UnitFactor(int unitScaleCode)
{
    switch (unitScaleCode) {
    case 1: return 0.1;
    case 25: return 2.54;
    case 1000: return 100.0;
    default: return 1.0;
    }
}

void Engine::UpdateUnitLabels() {}

} // namespace tornavel

namespace tornavel {

void Engine::UniteMesureClick() {}
void Engine::Affichage1Click() {}
void Engine::PopupMFavorisPopup() {}
void Engine::SelCalculetteDefautClick() {}
void Engine::SelCalculetteFavoritesClick() {}
void Engine::FavorisClick(int) {}

} // namespace tornavel
