#pragma once

#include "core/calculator_list.h"
#include "core/ui_services.h"

#include <functional>

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
    QStringList questions;    // AskYesNo texts
    QStringList questionCaptions; // and their captions
    bool answerYes = false;
    QString clipboard;
    QStringList openedUrls;
    bool openSucceeds = true;
    QStringList downloads;      // addresses handed to DownloadFile, with the local path
    QList<std::function<void(bool)>> pendingDownloads; // their answers, for the test to give

    void ShowMessageForm(const QString& text, int lines) override
    {
        messages << text;
        messageLines << lines;
    }
    QStringList saveFailures;                // ShowSaveFailure texts, in one line
    std::function<void()> whileFailureShown; // runs while each is shown
    void ShowSaveFailure(const QString& text, const QString& wrapped, int lines) override
    {
        saveFailures << text;
        UiServices::ShowSaveFailure(text, wrapped, lines);
        if (whileFailureShown)
            whileFailureShown();
    }
    void MessageBox(const QString& text, const QString& caption, BoxIcon icon) override
    {
        boxes.push_back({text, caption, icon});
    }
    bool AskYesNo(const QString& text, const QString& caption) override
    {
        questions << text;
        questionCaptions << caption;
        return answerYes;
    }
    void SetClipboardText(const QString& text) override { clipboard = text; }
    bool OpenUrl(const QString& url) override
    {
        openedUrls << url;
        return openSucceeds;
    }
    void DownloadFile(const QString& address, const QString& localPath, std::function<void(bool)> done) override
    {
        downloads << address << localPath;
        pendingDownloads << done;
    }
    QDateTime programDate;
    QDateTime ProgramFileDate() override { return programDate; }
    int refreshes = 0;
    void Refresh() override { ++refreshes; }
    int updatePageWindows = 0;
    QStringList pageAddresses;  // of the update and upgrade page windows, in order
    void ShowUpdatePageWindow(const QString& address) override
    {
        ++updatePageWindows;
        pageAddresses << address;
    }
    QStringList windowsShown;   // "upgrade", "tips", "about"
    void ShowUpgradePageWindow(const QString& address) override
    {
        windowsShown << QStringLiteral("upgrade");
        pageAddresses << address;
    }
    void ShowTipsWindow(const TipsWindow&) override { windowsShown << QStringLiteral("tips"); }
    void ShowAboutWindow() override { windowsShown << QStringLiteral("about"); }

    // Unit-of-measure window: the rows it was shown with; the user's choice (-2 keeps
    // what was preselected).
    QList<QPair<int, int>> unitWindowRows;
    int chosenUnitRow = -2;
    int chosenDisplayRow = -2;
    void ShowUnitWindow(int& unitRow, int& displayRow, const WindowKeyHandler&) override
    {
        unitWindowRows.push_back({unitRow, displayRow});
        if (chosenUnitRow != -2)
            unitRow = chosenUnitRow;
        if (chosenDisplayRow != -2)
            displayRow = chosenDisplayRow;
    }

    // Calculator-list window: its captions and modes; `calculatorListUser` plays the
    // user on the list (after its activation) until OK closes it.
    QStringList calculatorListCaptions;
    QList<int> calculatorListModes;
    std::function<void(CalculatorListWindow&)> calculatorListUser;
    void ShowCalculatorListWindow(CalculatorListWindow& list, const QString& caption) override
    {
        calculatorListCaptions << caption;
        calculatorListModes << list.ListMode;
        list.FormActivate();
        if (calculatorListUser)
            calculatorListUser(list);
    }

    // Window-behaviour window: whether it was shown on a resizable window; the user's
    // choice (empty: OK without a change).
    QList<bool> behaviourWindowShown;
    QString behaviourChoice;
    QString ShowWindowBehaviourWindow(bool resizable) override
    {
        behaviourWindowShown << resizable;
        if (!behaviourChoice.isEmpty())
            return behaviourChoice;
        return resizable ? QStringLiteral("O") : QStringLiteral("N");
    }

    // Settings file: each write as section, key, value.
    QList<QStringList> settingsWrites;
    bool settingsWritable = true;
    bool WriteSettingsString(const QString& section, const QString& key, const QString& value) override
    {
        if (!settingsWritable)
            return false;
        settingsWrites.push_back({section, key, value});
        return true;
    }
    QString SettingsFileName() override { return QStringLiteral("/prog/tornavel.ini"); }
};

} // namespace tornavel
