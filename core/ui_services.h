#pragma once

// The engine's outward interface: the desktop services and the windows that the menus
// open. Each call hands the window what it shows and the operations it calls; the
// texts come from the string table that the implementation is built with. The view
// implements it with real widgets; tests replace it.

#include "platform/services.h"

#include <functional>

namespace tornavel {

class CalculatorListWindow;
class TipsWindow;

// A key pressed in a window (see Engine::FormKeyDown for the codes); true when it was
// handled.
using WindowKeyHandler = std::function<bool(int keyCode, bool ctrl)>;

class UiServices : public DesktopServices {
public:
    // ---- Windows of the help menu ----------------------------------------------
    // The update-page window TFMiseAjour on the page at `address`, centred on the screen.
    virtual void ShowUpdatePageWindow(const QString& /*address*/) {}
    // The upgrade-page window TFMiseANiveau on the page at `address`, the tips window
    // TFAstuces and the about window TFApropos, each shown modally where the help menu
    // places it. The tips window is built on `tips` at its first showing and keeps its
    // own tip from then on.
    virtual void ShowUpgradePageWindow(const QString& /*address*/) {}
    virtual void ShowTipsWindow(const TipsWindow& /*tips*/) {}
    virtual void ShowAboutWindow() {}

    // ---- Windows of the options and favourites menus ----------------------------
    // The unit-of-measure window with its rows preselected (-1: none); hands back the
    // rows chosen (-1: none). Unit rows: 0 mm, 1 cm, 2 m, 3 inch; display rows: 0 when
    // needed, 1 always. Its keys go to `keyDown` first.
    virtual void ShowUnitWindow(int& unitRow, int& displayRow, const WindowKeyHandler& keyDown) = 0;
    // The calculator-list window showing `list` under `caption`; returns once its OK
    // button has closed it (the list has then written the options).
    virtual void ShowCalculatorListWindow(CalculatorListWindow& list, const QString& caption) = 0;
    // The window-behaviour window with the resizable or the fixed button checked;
    // returns its choice, "O" (resizable) or "N" (fixed).
    virtual QString ShowWindowBehaviourWindow(bool resizable) = 0;

    // ---- Close ----------------------------------------------------------------------
    // A file that could not be saved at close: `text` is the message in one line,
    // `wrapped` the same laid out in `lines` lines for the message window, which shows it.
    virtual void ShowSaveFailure(const QString& text, const QString& wrapped, int lines)
    {
        (void)text;
        ShowMessageForm(wrapped, lines);
    }
};

// Does nothing and says every browser call failed; a base for test doubles.
class NullUiServices : public UiServices {
public:
    void ShowMessageForm(const QString&, int) override {}
    void MessageBox(const QString&, const QString&, BoxIcon) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    void SetClipboardText(const QString&) override {}
    bool OpenUrl(const QString&) override { return false; }
    void ShowUnitWindow(int&, int&, const WindowKeyHandler&) override {}
    void ShowCalculatorListWindow(CalculatorListWindow&, const QString&) override {}
    QString ShowWindowBehaviourWindow(bool resizable) override
    {
        return resizable ? QStringLiteral("O") : QStringLiteral("N");
    }
    bool WriteSettingsString(const QString&, const QString&, const QString&) override { return false; }
    QString SettingsFileName() override { return QStringLiteral("tornavel.ini"); }
};

} // namespace tornavel
