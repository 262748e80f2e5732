#include "core/update_check.h"

#include "core/help_links.h"
#include "core/strings.h"
#include "core/ui_services.h"

#include <QUrl>
#include <QUrlQuery>

namespace tornavel {

UpdateAction DecideUpdate(const VersionListEntry& entry, const QDateTime& programDate, const QString& section)
{
    if (!entry.sectionFound || entry.DerVersion.isEmpty() || !programDate.isValid())
        return UpdateAction::None;
    const std::optional<QDateTime> listed = ParseUpdateDate(entry.DateMaj);
    if (!listed || !(programDate < *listed))
        return UpdateAction::None;
    return entry.DerVersion == section ? UpdateAction::AskToOpenDownloadPage : UpdateAction::ShowUpdatePage;
}

bool IsWebAddress(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty();
}

QString WebServerRoot()
{
    QString server = QStringLiteral(TORNAVEL_WEB_SERVER);
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    return server;
}

QString ProductPageAddress(const QString& path, const QString& product)
{
    QUrl url(WebServerRoot() + path);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("logiciel"), product);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

UpdateCheck::UpdateCheck(const StringTable& strings_, UiServices& ui_, const HelpLinks& links,
                         std::function<void()> showUpdatePage, std::function<void(bool)> showUpgradeItem)
    : strings(strings_), ui(ui_), links_(links), showUpdatePage_(std::move(showUpdatePage)),
      showUpgradeItem_(std::move(showUpgradeItem))
{
}

QString UpdateCheck::Str(int id, int bufferSize) const
{
    return strings.Str(id, bufferSize);
}

void UpdateCheck::CheckForUpdate(const QString& section)
{
    if (updateCheck.started)
        return;
    updateCheck.started = true;
    const QString listPath = links_.ProgramDirectory() + QLatin1String(kVersionListName);
    // The answer comes later from the event loop; meanwhile the user works.
    ui.DownloadFile(WebServerRoot() + QLatin1String(kVersionListPath), listPath,
                    [this, section](bool downloaded) { VersionListArrived(section, downloaded); });
}

void UpdateCheck::VersionListArrived(const QString& section, bool downloaded)
{
    // A failed download says nothing: the list left by an earlier run is not read.
    updateCheck.listDownloaded = downloaded;
    if (!downloaded)
        return;
    if (!updateCheck.programDate.isValid())
        updateCheck.programDate = ui.ProgramFileDate();
    const VersionListEntry entry =
        ReadVersionListSection(links_.ProgramDirectory() + QLatin1String(kVersionListName), section);
    switch (DecideUpdate(entry, updateCheck.programDate, section)) {
    case UpdateAction::None:
        break;
    case UpdateAction::AskToOpenDownloadPage:
        if (ui.AskYesNo(Str(345, 200), Str(343, 200)))
            OpenUpdatePage(entry.UrlMaj);
        break;
    case UpdateAction::ShowUpdatePage:
        showUpdatePage_();
        break;
    }
    showUpgradeItem_(IsNewerVersionListed(section));
    ui.Refresh();
}

bool UpdateCheck::IsNewerVersionListed(const QString& section) const
{
    // Only a list that this run downloaded counts; a failure hides the item.
    if (!updateCheck.listDownloaded)
        return false;
    const VersionListEntry entry =
        ReadVersionListSection(links_.ProgramDirectory() + QLatin1String(kVersionListName), section);
    return entry.sectionFound && !entry.DerVersion.isEmpty() && entry.DerVersion != section;
}

void UpdateCheck::OpenUpdatePage(const QString& address)
{
    // Only a web page is handed to the desktop: a file or program named by the list
    // is never opened.
    if (IsWebAddress(address) && ui.OpenUrl(address))
        return;
    ui.MessageBox(Str(344, 200), Str(143, 200), BoxIcon::Exclamation);
}

QString UpdatePageAddress(const QString& product)
{
    return ProductPageAddress(QStringLiteral("/info/maj.php"), product);
}

QString UpgradePageAddress(const QString& product)
{
    return ProductPageAddress(QStringLiteral("/info/man.php"), product);
}

} // namespace tornavel
