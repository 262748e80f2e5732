#pragma once

#include "core/key_state.h"
#include "core/number_rules.h"

#include <QString>
#include <QStringList>

namespace tornavel {

class CalculatorRegistry;
class CalculatorStack;
class HistoryBook;
class OptionsStore;
class Screen;
class StringTable;
class UiServices;
class UpdateCheck;

// Start-up and close of the main window: the product's name and version, the window
// behaviour it started with, reading the options and the history at the first
// activation and saving them at close.
class Lifecycle {
public:
    Lifecycle(const StringTable& strings, UiServices& ui, const CalculatorRegistry& descriptions, Screen& screen,
              CalculatorStack& stack, KeyState& keys, OptionsStore& optionsStore, HistoryBook& historyBook,
              UpdateCheck& updateCheck, NumberRules& numbers);
    Lifecycle(const Lifecycle&) = delete;
    Lifecycle& operator=(const Lifecycle&) = delete;

    // The decimal separator stays the one in force when none is given.
    void FormCreate(const QString& resizableSetting);
    void FormCreate(const QString& resizableSetting, const QString& decimalSeparator);
    // Runs its steps at the first call only.
    void FormActivate();
    // Saves the options and the history, then tells what could not be saved. A close
    // that comes while one is under way (exit() reached from the message window of the
    // first, when the display goes away) saves nothing again and only tells what the
    // first has not told yet.
    void FormClose();

    const QString& ProductName() const { return productName_; }
    const QString& ProductVersion() const { return productVersion_; }
    // The product as the version list and the web pages name it: name and version.
    QString Product() const { return productName_ + productVersion_; }
    // The window started resizable (setting "O").
    bool WindowResizable() const { return windowResizable_; }

private:
    const StringTable& strings;
    UiServices& ui;
    const CalculatorRegistry& descriptions;
    Screen& screen_;
    CalculatorStack& stack_;
    KeyState& keys;
    OptionsStore& optionsStore_;
    HistoryBook& historyBook_;
    UpdateCheck& updateCheck_;
    NumberRules& numbers_;

    QString productName_;
    QString productVersion_;
    bool windowResizable_ = true;
    bool firstActivationDone = false;
    // The current folder at the first activation, where the state files are.
    QString startFolder_;
    bool closing_ = false;
    // The messages of the saves of the close under way that are still to be shown.
    QStringList untoldFailures_;

    void SaveAtClose();
};

} // namespace tornavel
