#include "core/help_links.h"

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

} // namespace

QString HelpLinks::HelpPageUrl(const QString& page, const QString& directory)
{
    return QUrl::fromLocalFile(directory + page).toString();
}

void HelpLinks::OpenHelpPage(int stringId)
{
    const QString address = HelpPageUrl(Str(stringId), HelpDirectory());
    if (ui.OpenUrl(address))
        return;
    ui.MessageBox(Str(173) + QLatin1Char('\n') + Str(138, 300) + address, Str(129), BoxIcon::Exclamation);
}

void HelpLinks::OpenWebPage(int stringId)
{
    const QString address = WebPageAddress(stringId);
    if (ui.OpenUrl(address))
        return;
    ui.MessageBox(Str(173) + QLatin1Char('\n') + Str(137, 300) + BoundedText(address, kMaxShownAddressLength), Str(129),
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
