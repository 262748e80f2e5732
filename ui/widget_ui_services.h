#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QWidget>

namespace tornavel {

class TFMessages;

// The desktop services with real widgets: the message window, message boxes, the
// clipboard and the browser.
class WidgetUiServices : public UiServices {
public:
    WidgetUiServices();
    ~WidgetUiServices() override;

    // The main window, beside which modal windows are placed. When it is the Tornavel
    // window, it shows the engine's state before each modal window opens.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

    void ShowMessageForm(const QString& text, int lines) override;
    void MessageBox(const QString& text, const QString& caption, BoxIcon icon) override;
    bool AskYesNo(const QString& text, const QString& caption) override;
    void SetClipboardText(const QString& text) override;
    bool OpenUrl(const QString& url) override;

    // ---- Update check -----------------------------------------------------
    // Not built in yet: no version list is fetched and no newer version is listed.
    void CheckForUpdate(const QString& section) override;
    bool IsNewerVersionListed(const QString& section) override;

    // The message window (created at its first use).
    TFMessages* Messages();

    // ---- Windows of the options and favourites menus --------------------------
    // Unit of measure (FOptions), calculator list (FLCalculettes) and window behaviour
    // (FOptionAffichage), each shown modally beside the main window; the settings file
    // tornavel.ini at SettingsFilePath().
    void ShowUnitWindow(Engine& engine, int& unitRow, int& displayRow) override;
    void ShowCalculatorListWindow(CalculatorListWindow& list, const QString& caption) override;
    QString ShowWindowBehaviourWindow(Engine& engine, bool resizable) override;
    bool WriteSettingsString(const QString& section, const QString& key, const QString& value) override;
    QString SettingsFileName() override;

private:
    // Shows the main window's present state before a modal window opens over it: a
    // refused input is already taken back behind the message.
    void ShowStateBeforeModal();

    QPointer<QWidget> mainWindow_;
    // A child of the main window: when that window goes first, it takes the message
    // window with it and the pointer reads null.
    QPointer<TFMessages> messages_;
};

} // namespace tornavel
