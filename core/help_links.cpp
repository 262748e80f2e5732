#include "core/help_links.h"

#include "core/tips.h"
#include "core/update_check.h"
#include "platform/bounded_text.h"

#include <QUrl>

#include <limits>

namespace tornavel {

namespace {

// The texts of web addresses are read whole, whatever their length.
constexpr int kWholeText = std::numeric_limits<int>::max();
// A replaced text may be of any length: a box shows no more of an address than this.
constexpr qsizetype kMaxShownAddressLength = 2048;

// What each item of the help menu opens.
enum class HelpTarget { HelpPage, WebPage, TipsWindow, AboutWindow, UpgradePageWindow };
struct HelpMenuRow {
    HelpItem item;
    HelpTarget target;
    int stringId;  // the page's string number, for a page
};
constexpr HelpMenuRow kHelpMenu[] = {
    {HelpItem::AideTornavel, HelpTarget::HelpPage, 1000},
    {HelpItem::Collaboration, HelpTarget::HelpPage, 1043},
    {HelpItem::AstucesTornavel, HelpTarget::TipsWindow, -1},
    {HelpItem::VideosdedmonstrationdeTornavel, HelpTarget::WebPage, 346},
    {HelpItem::PagePresentationTornavel, HelpTarget::WebPage, 172},
    {HelpItem::SiteInternetAuteur, HelpTarget::WebPage, 171},
    {HelpItem::AproposdeTornavel, HelpTarget::AboutWindow, -1},
    {HelpItem::MiseANiveau, HelpTarget::UpgradePageWindow, -1},
};

} // namespace

void HelpLinks::HelpMenuClick(HelpItem item)
{
    for (const HelpMenuRow& row : kHelpMenu) {
        if (row.item != item)
            continue;
        switch (row.target) {
        case HelpTarget::HelpPage: OpenHelpPage(row.stringId); break;
        case HelpTarget::WebPage: OpenWebPage(row.stringId); break;
        case HelpTarget::TipsWindow: ui_.ShowTipsWindow(TipsWindow(*this, ui_)); break;
        case HelpTarget::AboutWindow: ui_.ShowAboutWindow(); break;
        case HelpTarget::UpgradePageWindow: ui_.ShowUpgradePageWindow(upgradePageAddress_()); break;
        }
        return;
    }
}

QString HelpLinks::HelpPageUrl(const QString& page, const QString& directory)
{
    return QUrl::fromLocalFile(directory + page).toString();
}

void HelpLinks::OpenHelpPage(int stringId)
{
    const QString address = HelpPageUrl(Str(stringId), HelpDirectory());
    if (ui_.OpenUrl(address))
        return;
    ui_.MessageBox(Str(173) + QLatin1Char('\n') + Str(138, 300) + address, Str(129), BoxIcon::Exclamation);
}

void HelpLinks::OpenWebPage(int stringId)
{
    const QString address = WebPageAddress(stringId);
    if (ui_.OpenUrl(address))
        return;
    ui_.MessageBox(Str(173) + QLatin1Char('\n') + Str(137, 300) + BoundedText(address, kMaxShownAddressLength), Str(129),
                   BoxIcon::Exclamation);
}

QString HelpLinks::WebPageAddress(int stringId) const
{
    // The host is a setting of the build; the pages keep their paths on it.
    switch (stringId) {
    case 171:
        return WebServerRoot() + QLatin1Char('/');
    case 346:
        return WebServerRoot() + QStringLiteral("/Pages_fr/videos-demonstrations-tornavel.html");
    default:
        break;
    }
    const QString text = Str(stringId, kWholeText);
    const QUrl url(text);
    if (!url.isValid() || url.host().isEmpty())
        return text;
    QString address = WebServerRoot() + url.path(QUrl::FullyEncoded);
    if (url.hasQuery())
        address += QLatin1Char('?') + url.query(QUrl::FullyEncoded);
    if (url.hasFragment())
        address += QLatin1Char('#') + url.fragment(QUrl::FullyEncoded);
    return address;
}

} // namespace tornavel
