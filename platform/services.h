#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace tornavel {

enum class BoxIcon { Error, Exclamation, Information, Question };

class CalculatorListWindow;
class Engine;

// What the engine asks of the desktop: modal windows, message boxes, the clipboard
// and the browser. The main window implements it with real widgets; tests replace it.
class UiServices {
public:
    virtual ~UiServices() = default;

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

    // ---- Update check and the windows of the help menu --------------------
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
    // Shows the engine's state again after a change that no user action caused (the
    // answer of the update check).
    virtual void Refresh() {}
    // The update-page window TFMiseAjour, centred on the screen.
    virtual void ShowUpdatePageWindow(Engine& engine) { (void)engine; }
    // The upgrade-page window TFMiseANiveau, the tips window TFAstuces and the about
    // window TFApropos, each shown modally where the help menu places it.
    virtual void ShowUpgradePageWindow(Engine& engine) { (void)engine; }
    virtual void ShowTipsWindow(Engine& engine) { (void)engine; }
    virtual void ShowAboutWindow(Engine& engine) { (void)engine; }

    // ---- Windows of the options and favourites menus ----------------------
    // The windows read their texts from `engine` and open their help pages through it.
    // The unit-of-measure window with its rows preselected (-1: none); hands back the
    // rows chosen (-1: none). Unit rows: 0 mm, 1 cm, 2 m, 3 inch; display rows: 0 when
    // needed, 1 always.
    virtual void ShowUnitWindow(Engine& engine, int& unitRow, int& displayRow) = 0;
    // The calculator-list window showing `list` under `caption`; returns once its OK
    // button has closed it (the list has then written the options).
    virtual void ShowCalculatorListWindow(CalculatorListWindow& list, const QString& caption) = 0;
    // The window-behaviour window with the resizable or the fixed button checked;
    // returns its choice, "O" (resizable) or "N" (fixed).
    virtual QString ShowWindowBehaviourWindow(Engine& engine, bool resizable) = 0;
    // Writes one value into the settings file tornavel.ini, every other line staying
    // as it was; false when the file cannot be written.
    virtual bool WriteSettingsString(const QString& section, const QString& key, const QString& value) = 0;
    // Full name of the settings file, for messages.
    virtual QString SettingsFileName() = 0;
};

// Does nothing and says every browser call failed; a base for test doubles.
class NullUiServices : public UiServices {
public:
    void ShowMessageForm(const QString&, int) override {}
    void MessageBox(const QString&, const QString&, BoxIcon) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    void SetClipboardText(const QString&) override {}
    bool OpenUrl(const QString&) override { return false; }
    void ShowUnitWindow(Engine&, int&, int&) override {}
    void ShowCalculatorListWindow(CalculatorListWindow&, const QString&) override {}
    QString ShowWindowBehaviourWindow(Engine&, bool resizable) override
    {
        return resizable ? QStringLiteral("O") : QStringLiteral("N");
    }
    bool WriteSettingsString(const QString&, const QString&, const QString&) override { return false; }
    QString SettingsFileName() override { return QStringLiteral("tornavel.ini"); }
};

} // namespace tornavel
