#include "core/engine.h"

namespace tornavel {

Engine::Engine(const CalculatorCatalogue& catalogue, const StringTable& strings, UiServices& ui,
               QString decimalSeparator)
    : strings_(strings), ui_(ui), descriptions(catalogue.Rows()),
      session_(strings, ui, descriptions, options_, history_, help_, update_,
               std::move(decimalSeparator))
{
}

void Engine::HelpMenuClick(HelpItem item)
{
    switch (item) {
    case HelpItem::AideTornavel: session_.AideTornavelClick(); break;
    case HelpItem::Collaboration: session_.CollaborationClick(); break;
    case HelpItem::AstucesTornavel: session_.AstucesTornavelClick(); break;
    case HelpItem::VideosdedmonstrationdeTornavel: session_.VideosdedmonstrationdeTornavelClick(); break;
    case HelpItem::PagePresentationTornavel: session_.PagePresentationTornavelClick(); break;
    case HelpItem::SiteInternetAuteur: session_.SiteInternetAuteurClick(); break;
    case HelpItem::AproposdeTornavel: session_.AproposdeTornavelClick(); break;
    case HelpItem::MiseANiveau: session_.MiseANiveauClick(); break;
    }
}

} // namespace tornavel
