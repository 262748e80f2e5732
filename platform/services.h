#pragma once

#include <QString>

namespace tornavel {

enum class BoxIcon { Error, Exclamation, Information, Question };

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
};

// Does nothing and says every browser call failed; a base for test doubles.
class NullUiServices : public UiServices {
public:
    void ShowMessageForm(const QString&, int) override {}
    void MessageBox(const QString&, const QString&, BoxIcon) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    void SetClipboardText(const QString&) override {}
    bool OpenUrl(const QString&) override { return false; }
};

} // namespace tornavel
