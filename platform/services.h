#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace tornavel {

enum class BoxIcon { Error, Exclamation, Information, Question };

// What the program asks of the desktop: the message window, message boxes, the
// clipboard, the browser, downloads and the settings file. The main window implements
// it with real widgets; tests replace it.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // The modal message window with one label and "Ok", grown for extra lines.
    virtual void ShowMessageForm(const QString& text, int lines) = 0;
    // A message box with an OK button.
    virtual void MessageBox(const QString& text, const QString& caption, BoxIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& caption) = 0;
    // Puts text on the clipboard.
    virtual void SetClipboardText(const QString& text) = 0;
    // Opens a file or web address in the desktop's browser; false when it could not.
    virtual bool OpenUrl(const QString& url) = 0;

    // Downloads `address` into `localPath` in the background (ten seconds at most) and
    // calls `done` from the event loop once the transfer has ended: true when the server
    // answered with the whole file and `localPath` was replaced by it; false on any
    // failure, the file staying as it was. Returns at once. By default nothing is
    // downloaded.
    virtual void DownloadFile(const QString& address, const QString& localPath, std::function<void(bool)> done)
    {
        (void)address;
        (void)localPath;
        (void)done;
    }
    // The last-write time of the running program file; invalid when unknown.
    virtual QDateTime ProgramFileDate() { return QDateTime(); }
    // Shows the program's state again after a change that no user action caused (the
    // answer of the update check).
    virtual void Refresh() {}

    // Writes one value into the settings file tornavel.ini, every other line staying
    // as it was; false when the file cannot be written.
    virtual bool WriteSettingsString(const QString& section, const QString& key, const QString& value) = 0;
    // Full name of the settings file, for messages.
    virtual QString SettingsFileName() = 0;
};

} // namespace tornavel
