#pragma once

#include "platform/services.h"

#include <QStringList>

namespace tornavel {

// Records what the engine asked of the desktop, for engine tests.
class FakeUi : public UiServices {
public:
    struct Box {
        QString text;
        QString caption;
        BoxIcon icon;
    };

    QStringList messages;     // ShowMessageForm texts
    QList<int> messageLines;  // their line counts
    QList<Box> boxes;
    QStringList questions;
    bool answerYes = false;
    QString clipboard;
    QStringList openedUrls;
    bool openSucceeds = true;

    void ShowMessageForm(const QString& text, int lines) override
    {
        messages << text;
        messageLines << lines;
    }
    void MessageBox(const QString& text, const QString& caption, BoxIcon icon) override
    {
        boxes.push_back({text, caption, icon});
    }
    bool AskYesNo(const QString& text, const QString&) override
    {
        questions << text;
        return answerYes;
    }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    bool OpenUrl(const QString& url) override
    {
        openedUrls << url;
        return openSucceeds;
    }
};

} // namespace tornavel
