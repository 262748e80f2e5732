#include "ui/widget_ui_services.h"

#include "core/calculator_list.h"
#include "ui/dialogs/foptionaffichage.h"
#include "ui/dialogs/foptions.h"
#include "ui/dialogs/lcalculettes.h"
#include "ui/dialogs/messages.h"
#include "ui/dialogs/window_style.h"
#include "ui/tornavel_window.h"
#include "platform/inifile.h"
#include "platform/paths.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

namespace tornavel {

WidgetUiServices::WidgetUiServices() = default;

WidgetUiServices::~WidgetUiServices()
{
    delete messages_;
}

TFMessages* WidgetUiServices::Messages()
{
    if (!messages_)
        messages_ = new TFMessages(mainWindow_);
    return messages_;
}

void WidgetUiServices::ShowStateBeforeModal()
{
    // The engine changes its state first and asks for the modal window next; the window
    // would otherwise show that state only once the modal window is closed.
    if (auto* window = qobject_cast<TFTornavel*>(mainWindow_.data()))
        window->Render();
}

void WidgetUiServices::ShowMessageForm(const QString& text, int lines)
{
    ShowStateBeforeModal();
    const QRect frame = mainWindow_ ? mainWindow_->frameGeometry() : QRect();
    Messages()->ShowMessage(text, lines, frame);
}

void WidgetUiServices::MessageBox(const QString& text, const QString& caption, BoxIcon icon)
{
    ShowStateBeforeModal();
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case BoxIcon::Error: qtIcon = QMessageBox::Critical; break;
    case BoxIcon::Exclamation: qtIcon = QMessageBox::Warning; break;
    case BoxIcon::Information: qtIcon = QMessageBox::Information; break;
    case BoxIcon::Question: qtIcon = QMessageBox::Question; break;
    }
    QMessageBox box(qtIcon, caption, text, QMessageBox::Ok, mainWindow_);
    box.exec();
}

bool WidgetUiServices::AskYesNo(const QString& text, const QString& caption)
{
    ShowStateBeforeModal();
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, mainWindow_);
    return box.exec() == QMessageBox::Yes;
}

void WidgetUiServices::SetClipboardText(const QString& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

bool WidgetUiServices::OpenUrl(const QString& url)
{
    return QDesktopServices::openUrl(DesktopUrl(url));
}

void WidgetUiServices::CheckForUpdate(const QString&) {}

bool WidgetUiServices::IsNewerVersionListed(const QString&)
{
    return false;
}

// ---- Windows of the options and favourites menus ------------------------------------

void WidgetUiServices::ShowUnitWindow(Engine& engine, int& unitRow, int& displayRow)
{
    ShowStateBeforeModal();
    TFOptions window(engine, mainWindow_);
    window.SetUnitRow(unitRow);
    window.SetDisplayRow(displayRow);
    PlaceBesideMainWindow(&window, mainWindow_);
    window.exec();
    unitRow = window.UnitRow();
    displayRow = window.DisplayRow();
}

void WidgetUiServices::ShowCalculatorListWindow(CalculatorListWindow& list, const QString& caption)
{
    ShowStateBeforeModal();
    TFLCalculettes window(list, mainWindow_);
    window.setWindowTitle(caption);
    PlaceBesideMainWindow(&window, mainWindow_);
    window.exec();
}

QString WidgetUiServices::ShowWindowBehaviourWindow(Engine& engine, bool resizable)
{
    ShowStateBeforeModal();
    TFOptionAffichage window(engine, mainWindow_);
    window.CheckButton(resizable);
    PlaceBesideMainWindow(&window, mainWindow_);
    window.exec();
    return window.BehaviourChoice();
}

bool WidgetUiServices::WriteSettingsString(const QString& section, const QString& key, const QString& value)
{
    return IniFile(SettingsFilePath()).WriteString(section, key, value);
}

QString WidgetUiServices::SettingsFileName()
{
    return SettingsFilePath();
}

} // namespace tornavel
