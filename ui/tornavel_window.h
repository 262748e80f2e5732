#pragma once

#include "core/history.h"
#include "core/options.h"
#include "core/state.h"
#include "core/view_texts.h"
#include "ui/panel_widgets.h"
#include "platform/settings.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QThread;

namespace tornavel {

class Engine;

// The main window. It builds a panel per calculator of the engine, the keypad, the menu bar and
// the sub-calculation list, forwards every click and key to the engine and then shows
// what the engine's panel and window state say. It holds no rules of its own.
// The window and its dispatch are in tornavel_window.cpp, building the panels in
// panel_builder.cpp, the menus in window_menus.cpp, rendering in panel_render.cpp.
class TFTornavel : public QWidget {
    Q_OBJECT

public:
    // Runs the engine's FormCreate with the window behaviour read from `settingsPath`
    // and the user's decimal separator, then builds the window.
    TFTornavel(Engine& engine, const QString& settingsPath, const QString& decimalSeparator,
               QWidget* parent = nullptr);
    ~TFTornavel() override;

    // What an operation needs from the engine before it may run.
    enum class Needs {
        Nothing,
        // A calculator on the stack: the keys of the keypad and of the panels, typed
        // keys, lists and radio buttons act on the calculator on screen.
        Calculator,
    };
    enum class Outcome { Done, Skipped, Failed };

    // The one way from the window into the engine. Runs one engine operation (or skips
    // it when the engine lacks what it needs): an engine error is shown in the error
    // box, then the window shows the new state and the keyboard goes back to PanelListe.
    Outcome Dispatch(const std::function<void()>& operation, Needs needs = Needs::Nothing);
    // Shows the engine's state.
    void Render();
    // Runs `action` once the window has painted its first frame (at once when it has):
    // work that the first frame does not need waits until the window is on screen.
    void AfterFirstPaint(std::function<void()> action);

    // Builds the pop-up menus of the menu bar, which the window builds at the first
    // click on one of its buttons. A calculator panel is built when it first comes on
    // screen.
    void BuildMenus();

    // The widget that holds every component (the client area, 296 x 400).
    QWidget* ClientArea() const { return client_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString Text(LayoutString id) const;
    void BuildMenuBar();
    void BuildPanel(int number);
    void BuildStandardKeys(PanelWidgets& w, int n);
    void BuildMathKeys(PanelWidgets& w, int n);
    void BuildKeypad();
    void BuildListPanel();
    QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                            int width, int height, std::function<void()> operation,
                            const QString& hint = QString());
    QAction* MakeAction(QMenu* menu, const char* name, const QString& caption,
                        std::function<void()> operation);
    void PopUp(QMenu* menu, QWidget* button);
    // Dispatch without moving the keyboard.
    Outcome Run(const std::function<void()>& operation, Needs needs);
    // Dispatch for a key or list of the window: one pressed from the keyboard (it had the
    // focus: Tab reaches the keys, a click does not give them the focus) keeps the focus
    // while it can still take it, so that Tab goes on from there.
    void Press(QWidget* source, const std::function<void()>& operation, Needs needs);
    // Puts the keys that can take the focus among `container`'s children in the Tab order
    // after `after`, row by row and left to right as they stand; returns the last one
    // (`after` when there is none).
    QWidget* ChainInReadingOrder(QWidget* after, QWidget* container);
    // Opens row `row` of the "Sous calcul" list as a sub-calculation.
    void OpenOffered(int row);
    void RenderPanel(int number);
    void RenderMenus();
    void LoadPicture();

    Engine& engine_;
    QWidget* client_ = nullptr;
    QScrollArea* scroller_ = nullptr;
    QString picturePath_;
    QPixmap fond_;
    QImage decodedPicture_;
    QThread* pictureLoader_ = nullptr;
    bool firstPaintSeen_ = false;
    std::vector<std::function<void()>> afterFirstPaint_;

    QWidget* menuBar_ = nullptr;
    std::vector<QPushButton*> menuButtons_;
    QMenu* calculatorsMenu_ = nullptr;
    QMenu* historyMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QMenu* favouritesMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    std::array<QAction*, HistoryCapacity> historyItems_{};
    std::array<QAction*, FavouriteSlotCount> favouriteItems_{};
    QAction* upgradeItem_ = nullptr;
    std::vector<QAction*> captionedActions_;

    std::vector<PanelWidgets> panels_;  // one per calculator of the engine
    QWidget* keypad_ = nullptr;
    QWidget* lastKeypadKey_ = nullptr;  // in the Tab order, before the keys of the panel
    QWidget* listPanel_ = nullptr;
    QListWidget* offered_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace tornavel
