#include "ui/widget_ui_services.h"

#include "core/calculator_list.h"
#include "core/tips.h"
#include "ui/dialogs/about_window.h"
#include "ui/dialogs/calculator_list_window.h"
#include "ui/dialogs/messages.h"
#include "ui/dialogs/page_windows.h"
#include "ui/dialogs/tips_window.h"
#include "ui/dialogs/unit_window.h"
#include "ui/dialogs/window_behaviour_window.h"
#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"
#include "platform/child_fetch.h"
#include "platform/settings.h"
#include "platform/paths.h"
#include "platform/version_list.h"
#include "ui/tornavel_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace tornavel {

namespace {

// Runs `action` once no modal window is open; `context` going away cancels it.
void WhenNoModalWindow(QObject* context, std::function<void()> action)
{
    if (!QApplication::activeModalWidget()) {
        action();
        return;
    }
    QTimer::singleShot(300, context, [context, action] { WhenNoModalWindow(context, action); });
}

} // namespace

WidgetUiServices::WidgetUiServices(const StringTable& strings) : strings_(strings) {}

WidgetUiServices::~WidgetUiServices()
{
    // Answers still on their way would reach an engine that is gone; the children of
    // requests still running are ended here.
    if (network_) {
        AbandonRequests(*network_);
        delete network_;
    }
    delete messages_;
    delete tips_;
    delete about_;
    delete upgrade_;
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

// ---- Update check and the windows of the help menu ----------------------------------

ChildHttpClient& WidgetUiServices::Network()
{
    if (!network_)
        network_ = new ChildHttpClient;
    return *network_;
}

void WidgetUiServices::DownloadFile(const QString& address, const QString& localPath, std::function<void(bool)> done)
{
    auto start = [this, address, localPath, done] {
        ChildHttpClient& network = Network();
        HttpDownloadToFile(network, address, localPath, kHttpTimeoutMs, [&network, done](bool downloaded) {
            WhenNoModalWindow(&network, [done, downloaded] { done(downloaded); });
        });
    };
    // The child is started once the main window is on screen, so that the check never
    // delays the first frame.
    if (auto* window = qobject_cast<TFTornavel*>(mainWindow_.data()))
        window->AfterFirstPaint(start);
    else
        start();
}

QDateTime WidgetUiServices::ProgramFileDate()
{
    return tornavel::ProgramFileDate();
}

void WidgetUiServices::Refresh()
{
    if (auto* window = qobject_cast<TFTornavel*>(mainWindow_.data()))
        window->Render();
}

void WidgetUiServices::ShowUpdatePageWindow(const QString& address)
{
    // Created for this showing only, without owner, in the middle of the screen.
    TFMiseAjour window(strings_, Network(), [this](const QString& page) { OpenUrl(page); }, address);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize outer = window.size().grownBy(FrameMargins(&window, mainWindow_));
        MoveOnScreen(&window, QPoint(area.left() + area.width() / 2 - outer.width() / 2,
                                     area.top() + area.height() / 2 - outer.height() / 2),
                     mainWindow_);
    }
    window.exec();
}

void WidgetUiServices::ShowUpgradePageWindow(const QString& address)
{
    if (!upgrade_) {
        upgrade_ = new TFMiseANiveau(strings_, Network(), [this](const QString& page) { OpenUrl(page); }, address,
                                     mainWindow_);
    }
    if (mainWindow_) {
        // Top at the main window's top, centred on its client area.
        const QRect frame = mainWindow_->frameGeometry();
        const int outerWidth = upgrade_->size().grownBy(FrameMargins(upgrade_, mainWindow_)).width();
        MoveOnScreen(upgrade_, QPoint(frame.left() + mainWindow_->width() / 2 - outerWidth / 2, frame.top()),
                     mainWindow_);
    }
    upgrade_->exec();
}

void WidgetUiServices::ShowTipsWindow(const TipsWindow& tips)
{
    if (!tips_)
        tips_ = new TFAstuces(strings_, tips, mainWindow_);
    PlaceBesideMainWindow(tips_, mainWindow_);
    tips_->exec();
}

void WidgetUiServices::ShowAboutWindow()
{
    if (!about_)
        about_ = new TFApropos(strings_, mainWindow_);
    PlaceBesideMainWindow(about_, mainWindow_);
    about_->exec();
}

// ---- Windows of the options and favourites menus ------------------------------------

void WidgetUiServices::ShowUnitWindow(int& unitRow, int& displayRow, const WindowKeyHandler& keyDown)
{
    ShowStateBeforeModal();
    TFOptions window(strings_, keyDown, mainWindow_);
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
    TFLCalculettes window(strings_, list, mainWindow_);
    window.setWindowTitle(caption);
    PlaceBesideMainWindow(&window, mainWindow_);
    window.exec();
}

QString WidgetUiServices::ShowWindowBehaviourWindow(bool resizable)
{
    ShowStateBeforeModal();
    TFOptionAffichage window(strings_, mainWindow_);
    window.CheckButton(resizable);
    PlaceBesideMainWindow(&window, mainWindow_);
    window.exec();
    return window.BehaviourChoice();
}

bool WidgetUiServices::WriteSettingsString(const QString& section, const QString& key, const QString& value)
{
    return WriteSetting(SettingsWritePath(), section, key, value);
}

QString WidgetUiServices::SettingsFileName()
{
    return SettingsWritePath();
}

} // namespace tornavel
