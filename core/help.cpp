#include "core/session.h"
#include "core/tips.h"

namespace tornavel {

void Session::AideTornavelClick() { helpLinks_.OpenHelpPage(1000); }
void Session::CollaborationClick() { helpLinks_.OpenHelpPage(1043); }
void Session::VideosdedmonstrationdeTornavelClick() { helpLinks_.OpenWebPage(346); }
void Session::PagePresentationTornavelClick() { helpLinks_.OpenWebPage(172); }
void Session::SiteInternetAuteurClick() { helpLinks_.OpenWebPage(171); }

void Session::AstucesTornavelClick() { ui.ShowTipsWindow(TipsWindow(helpLinks_, ui)); }
void Session::AproposdeTornavelClick() { ui.ShowAboutWindow(); }
void Session::MiseANiveauClick() { ui.ShowUpgradePageWindow(UpgradePageAddress()); }

} // namespace tornavel
