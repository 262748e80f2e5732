#pragma once

#include "platform/version_list.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace tornavel {

// What the answer of the update check leads to.
enum class UpdateAction {
    None,                  // no newer build, or the list says nothing usable
    AskToOpenDownloadPage, // a newer build of this same version: the question box
    ShowUpdatePage,        // a newer version: the update-page window
};

// A newer build exists when the list's DateMaj lies strictly after the program file's
// date. A list without the section, without DerVersion or with a DateMaj that does
// not read as a date, and an unknown program date, lead to nothing.
UpdateAction DecideUpdate(const VersionListEntry& entry, const QDateTime& programDate, const QString& section);

// True for an http or https address with a host: the only addresses of the version
// list that are handed to the browser.
bool IsWebAddress(const QString& address);

// The maker's web server (a setting of the build), without a trailing "/".
QString WebServerRoot();

// A page of the web server with the product as the value of "logiciel":
// server + path + "?logiciel=" + product, the value encoded as a URL needs it.
QString ProductPageAddress(const QString& path, const QString& product);
// The pages of TFMiseAjour and TFMiseANiveau for `product` (name and version).
QString UpdatePageAddress(const QString& product);
QString UpgradePageAddress(const QString& product);

// The update check of this run.
struct UpdateCheckState {
    bool started = false;
    bool listDownloaded = false; // this run's download replaced the version list
    QDateTime programDate;       // the program file's date; read at the check when invalid
};

class HelpLinks;
class StringTable;
class UiServices;

// The check for a newer version, once a run: the version list is fetched in the
// background next to the program and its answer read by the rules above.
class UpdateCheck {
public:
    // `showUpdatePage` opens the update page window; `showUpgradeItem` shows or hides
    // the upgrade menu item.
    UpdateCheck(const StringTable& strings, UiServices& ui, const HelpLinks& links,
                std::function<void()> showUpdatePage, std::function<void(bool)> showUpgradeItem);
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    // Starts fetching the version list in the background, once a run; the answer comes
    // to VersionListArrived, which asks, shows the update page or does nothing, and
    // then shows the upgrade item MiseANiveau when a newer version is listed.
    void CheckForUpdate(const QString& section);
    void VersionListArrived(const QString& section, bool downloaded);
    // True when the list that this run downloaded names a version other than `section`.
    bool IsNewerVersionListed(const QString& section) const;
    // Opens the download page in the browser, or shows the connection-error box.
    void OpenUpdatePage(const QString& address);

private:
    QString Str(int id, int bufferSize) const;

    const StringTable& strings;
    UiServices& ui;
    const HelpLinks& links_;
    std::function<void()> showUpdatePage_;
    std::function<void(bool)> showUpgradeItem_;
    UpdateCheckState updateCheck;
};

} // namespace tornavel
