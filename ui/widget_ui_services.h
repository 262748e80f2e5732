#pragma once

#include "core/ui_services.h"

#include <QPointer>
#include <QWidget>

namespace tornavel {

class ChildHttpClient;
class StringTable;
class TFApropos;
class TFAstuces;
class TFMessages;
class TFMiseANiveau;

// The desktop services with real widgets: the message window, message boxes, the
// clipboard and the browser, and the windows of the menus, which show the texts of
// `strings` and what each call hands them.
class WidgetUiServices : public UiServices {
public:
    explicit WidgetUiServices(const StringTable& strings);
    ~WidgetUiServices() override;

    // The main window, beside which modal windows are placed. When it is the Tornavel
    // window, it shows the engine's state before each modal window opens.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

    void ShowMessageForm(const QString& text, int lines) override;
    void MessageBox(const QString& text, const QString& caption, BoxIcon icon) override;
    bool AskYesNo(const QString& text, const QString& caption) override;
    void SetClipboardText(const QString& text) override;
    bool OpenUrl(const QString& url) override;

    // ---- Update check and the windows of the help menu ----------------------
    // The download runs in the background; its answer waits while a modal window is
    // open, so that a question never comes up in the middle of another window.
    void DownloadFile(const QString& address, const QString& localPath, std::function<void(bool)> done) override;
    QDateTime ProgramFileDate() override;
    // Renders the main window.
    void Refresh() override;
    void ShowUpdatePageWindow(const QString& address) override;
    void ShowUpgradePageWindow(const QString& address) override;
    void ShowTipsWindow(const TipsWindow& tips) override;
    void ShowAboutWindow() override;
    // The HTTP client of the downloads and of the page windows: each request runs in a
    // child process, which ends with this object.
    ChildHttpClient& Network();

    // The message window (created at its first use).
    TFMessages* Messages();

    // ---- Windows of the options and favourites menus --------------------------
    // Unit of measure (FOptions), calculator list (FLCalculettes) and window behaviour
    // (FOptionAffichage), each shown modally beside the main window; the settings file
    // tornavel.ini at SettingsWritePath().
    void ShowUnitWindow(int& unitRow, int& displayRow, const WindowKeyHandler& keyDown) override;
    void ShowCalculatorListWindow(CalculatorListWindow& list, const QString& caption) override;
    QString ShowWindowBehaviourWindow(bool resizable) override;
    bool WriteSettingsString(const QString& section, const QString& key, const QString& value) override;
    QString SettingsFileName() override;

private:
    // Shows the main window's present state before a modal window opens over it: a
    // refused input is already taken back behind the message.
    void ShowStateBeforeModal();

    QPointer<QWidget> mainWindow_;
    const StringTable& strings_;
    // A child of the main window: when that window goes first, it takes the message
    // window with it and the pointer reads null.
    QPointer<TFMessages> messages_;
    // Created at their first showing and kept (the tips window keeps its tip), as
    // children of the main window.
    QPointer<TFAstuces> tips_;
    QPointer<TFApropos> about_;
    QPointer<TFMiseANiveau> upgrade_;
    ChildHttpClient* network_ = nullptr;
};

} // namespace tornavel
