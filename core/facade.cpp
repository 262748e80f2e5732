#include "core/engine.h"

namespace tornavel {

namespace {

// The rows and keys are registered before the session lays out its panels from them.
const CalculatorRegistry& Installed(Engine& engine, const CalculatorRegistry& rows)
{
    InstallCalculatorFamilies(engine);
    return rows;
}

} // namespace

Engine::Engine(const StringTable& strings, UiServices& ui, QString decimalSeparator)
    : strings_(strings), ui_(ui),
      session_(*this, strings, ui, Installed(*this, descriptions), calculatorKeys, options_, history_, help_, update_,
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
