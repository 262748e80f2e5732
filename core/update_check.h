#pragma once

#include "platform/version_list.h"

#include <QDateTime>
#include <QString>

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

// The update check of this run.
struct UpdateCheckState {
    bool started = false;
    bool listDownloaded = false; // this run's download replaced the version list
    QDateTime programDate;       // the program file's date; read at the check when invalid
};

} // namespace tornavel
