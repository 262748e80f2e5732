// The main window's menu bar, its pop-up menus and what the engine says they show.

#include "ui/tornavel_window.h"

#include "core/engine.h"
#include "core/layout.h"
#include "core/menus.h"
#include "core/view_texts.h"
#include "ui/layout_scale.h"
#include "ui/panel_widgets.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace tornavel {

QAction* TFTornavel::MakeAction(QMenu* menu, const char* name, const QString& caption,
                                std::function<void()> operation)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, op = std::move(operation)] { Dispatch(op); });
    captionedActions_.push_back(action);
    return action;
}

void TFTornavel::BuildMenuBar()
{
    menuBar_ = new QWidget(client_);
    menuBar_->setObjectName(QStringLiteral("PMenu"));
    menuBar_->setGeometry(Scaled(0, 0, MainClientWidth, kMenuBarHeight));
    auto* fond = new FondImage(fond_, client_, menuBar_);
    fond->setObjectName(QStringLiteral("FondMenu"));
    fond->setGeometry(QRect(QPoint(), menuBar_->size()));

    // The buttons open their pop-up menus, which are built once the window is on screen.
    struct Button {
        const char* name;
        LayoutString caption;
        QMenu* TFTornavel::*menu;
        int left;
        int width;
    };
    static constexpr Button buttons[] = {
        {"btnCalculettes", LayoutString::CalculatorsButton, &TFTornavel::calculatorsMenu_, 4, 82},
        {"BtnCalculs", LayoutString::HistoryButton, &TFTornavel::historyMenu_, 88, 56},
        {"btnOptions", LayoutString::OptionsButton, &TFTornavel::optionsMenu_, 146, 56},
        {"btnFavoris", LayoutString::FavouritesButton, &TFTornavel::favouritesMenu_, 204, 56},
        {"btnAide", LayoutString::HelpButton, &TFTornavel::helpMenu_, 262, 28},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(Text(b.caption), menuBar_);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(Scaled(b.left, 3, b.width, 22));
        // Reached with Tab, opened with Space; a click leaves the keyboard where it is.
        button->setFocusPolicy(Qt::TabFocus);
        menuButtons_.push_back(button);
        const auto menu = b.menu;
        connect(button, &QPushButton::clicked, this, [this, menu, button] {
            BuildMenus();
            PopUp(this->*menu, button);
        });
    }
}

void TFTornavel::BuildMenus()
{
    if (calculatorsMenu_)
        return;
    Engine& e = engine_;
    // The history and favourite items: named `prefix` and their place, hidden until the
    // engine gives them a caption.
    const auto NumberedItems = [this](QMenu* menu, const char* prefix, auto& items, auto click) {
        for (int k = 0; k < static_cast<int>(items.size()); ++k) {
            const QByteArray name = prefix + QByteArray::number(k);
            QAction* item = MakeAction(menu, name.constData(), QString(), [click, k] { click(k); });
            item->setVisible(false);
            items[static_cast<size_t>(k)] = item;
        }
    };

    calculatorsMenu_ = new QMenu(this);
    calculatorsMenu_->setObjectName(QStringLiteral("PopupMCalculettes"));
    for (const CalculatorMenuEntry& entry : engine_.Descriptions().Menu()) {
        if (entry.item < 0) {
            QAction* separator = calculatorsMenu_->addSeparator();
            separator->setObjectName(entry.name);
            continue;
        }
        const int item = entry.item;
        MakeAction(calculatorsMenu_, entry.name.toLatin1().constData(), QString(),
                   [&e, item] { e.CalculetteClick(item); });
    }

    historyMenu_ = new QMenu(this);
    historyMenu_->setObjectName(QStringLiteral("PopupMCalculs"));
    NumberedItems(historyMenu_, "Calcul", historyItems_, [&e](int k) { e.TraitArticleMCalculs(k); });
    connect(historyMenu_, &QMenu::aboutToShow, this,
            [this] { Dispatch([this] { engine_.PopupMCalculsPopup(); }); });

    optionsMenu_ = new QMenu(this);
    optionsMenu_->setObjectName(QStringLiteral("PopupMOptions"));
    MakeAction(optionsMenu_, "UniteMesure", QString(), [&e] { e.UniteMesureClick(); });
    MakeAction(optionsMenu_, "Affichage1", OwnLayoutText(engine_.Strings(), text::BehaviourWindowCaption),
               [&e] { e.Affichage1Click(); });

    favouritesMenu_ = new QMenu(this);
    favouritesMenu_->setObjectName(QStringLiteral("PopupMFavoris"));
    MakeAction(favouritesMenu_, "SelCalculetteDefaut", QString(), [&e] { e.SelCalculetteDefautClick(); });
    MakeAction(favouritesMenu_, "SelCalculetteFavorites", QString(),
               [&e] { e.SelCalculetteFavoritesClick(); });
    favouritesMenu_->addSeparator();
    NumberedItems(favouritesMenu_, "Favoris", favouriteItems_, [&e](int k) { e.FavorisClick(k); });
    connect(favouritesMenu_, &QMenu::aboutToShow, this,
            [this] { Dispatch([this] { engine_.PopupMFavorisPopup(); }); });

    helpMenu_ = new QMenu(this);
    helpMenu_->setObjectName(QStringLiteral("PopupMAide"));
    MakeAction(helpMenu_, "AideTornavel", QString(), [&e] { e.HelpMenuClick(HelpItem::AideTornavel); });
    MakeAction(helpMenu_, "Collaboration", QString(), [&e] { e.HelpMenuClick(HelpItem::Collaboration); });
    MakeAction(helpMenu_, "AstucesTornavel", QString(), [&e] { e.HelpMenuClick(HelpItem::AstucesTornavel); });
    MakeAction(helpMenu_, "VideosdedmonstrationdeTornavel",
               Text(LayoutString::DemonstrationVideosItem),
               [&e] { e.HelpMenuClick(HelpItem::VideosdedmonstrationdeTornavel); });
    MakeAction(helpMenu_, "PagePresentationTornavel", QString(), [&e] { e.HelpMenuClick(HelpItem::PagePresentationTornavel); });
    MakeAction(helpMenu_, "SiteInternetAuteur", QString(), [&e] { e.HelpMenuClick(HelpItem::SiteInternetAuteur); });
    MakeAction(helpMenu_, "AproposdeTornavel", QString(), [&e] { e.HelpMenuClick(HelpItem::AproposdeTornavel); });
    upgradeItem_ = MakeAction(helpMenu_, "MiseANiveau", QString(), [&e] { e.HelpMenuClick(HelpItem::MiseANiveau); });
    upgradeItem_->setVisible(false);
    RenderMenus();
}

void TFTornavel::PopUp(QMenu* menu, QWidget* button)
{
    // Fill the items first: a menu with none to show stays closed, as an empty pop-up
    // would hold the keyboard with nothing on screen (and on X never show again).
    if (menu == historyMenu_)
        Dispatch([this] { engine_.PopupMCalculsPopup(); });
    else if (menu == favouritesMenu_)
        Dispatch([this] { engine_.PopupMFavorisPopup(); });
    const QList<QAction*> items = menu->actions();
    if (std::none_of(items.begin(), items.end(),
                     [](const QAction* a) { return a->isVisible() && !a->isSeparator(); })) {
        listPanel_->setFocus();
        return;
    }
    const QRect frame = frameGeometry();
    const QPoint inClient = button->mapTo(client_, QPoint(0, 0));
    const ScreenPoint at = MenuPopupPosition(frame.left(), frame.top(), frame.height(), height(),
                                             inClient.x(), inClient.y(), button->width());
    menu->popup(QPoint(at.x, at.y));
    listPanel_->setFocus();
}

void TFTornavel::RenderMenus()
{
    if (!calculatorsMenu_)
        return;
    const WindowState& state = engine_.Window();
    const auto& captions = state.menuCaptions;
    for (QAction* action : captionedActions_) {
        const auto it = captions.constFind(action->objectName());
        if (it != captions.constEnd() && action->text() != *it)
            action->setText(*it);
    }
    upgradeItem_->setVisible(state.upgradeItemVisible);

    for (size_t k = 0; k < historyItems_.size(); ++k) {
        const int item = static_cast<int>(k);
        historyItems_[k]->setVisible(item < state.historyCaptions.size());
        historyItems_[k]->setText(state.historyCaptions.value(item));
    }
    for (size_t k = 0; k < favouriteItems_.size(); ++k) {
        favouriteItems_[k]->setVisible(state.favouriteShown[k]);
        favouriteItems_[k]->setText(state.favouriteCaptions.value(static_cast<int>(k)));
    }
}

} // namespace tornavel
