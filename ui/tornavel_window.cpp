#include "ui/tornavel_window.h"

#include "core/calcerror.h"
#include "core/engine.h"
#include "core/layout.h"
#include "core/menus.h"
#include "core/view_texts.h"
#include "ui/dialogs/window_style.h"
#include "ui/field_menus.h"
#include "ui/option_groups.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFont>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextOption>

#include <algorithm>
#include <QScreen>
#include <QScrollArea>
#include <QThread>
#include <QTimer>

#include <utility>
#include <QToolTip>
#include <QVBoxLayout>

#include <exception>

namespace tornavel {

namespace {

// Geometry of the client area (pixels).
constexpr int kMenuBarHeight = 28;
constexpr int kPanelTop = 28;
constexpr int kPanelHeight = 246;
constexpr int kListPanelHeight = 105;
constexpr int kKeypadLeft = 13;
constexpr int kKeypadTop = 65;
constexpr int kOperatorsLeft = 142;
constexpr int kOperatorsTop = 37;  // in the panel, level with the keypad
constexpr int kOperatorsWidth = 146;
constexpr int kOperatorsHeight = 124;
// The prompt and, to its right, the result field (or the list in its place).
constexpr int kPromptLeft = 6;
constexpr int kPromptWidth = 115;
constexpr int kFieldLeft = 123;
constexpr int kFieldTop = 8;
constexpr int kFieldRight = 283;
constexpr int kFieldHeight = 21;

QString Numbered(const char* role, int number)
{
    return QLatin1String(role) + QString::number(number);
}

// The background picture, drawn so that it lines up across the panels.
class FondImage : public QWidget {
public:
    FondImage(const QPixmap& picture, QWidget* origin, QWidget* parent)
        : QWidget(parent), picture_(picture), origin_(origin)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (picture_.isNull()) {
            // Until the picture is decoded: its middle tone.
            painter.fillRect(rect(), QColor(222, 229, 239));
            return;
        }
        painter.drawPixmap(-mapTo(origin_, QPoint(0, 0)), picture_);
    }

private:
    const QPixmap& picture_;
    QWidget* origin_;
};

void Quiet(QWidget* w)
{
    w->setFocusPolicy(Qt::NoFocus);
}

QChar KeyCharacter(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace: return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(13);
    case Qt::Key_Escape: return QChar(27);
    default: break;
    }
    const QString text = e->text();
    return text.isEmpty() ? QChar() : text.front();
}

// The keys that move in a drop-down list or open it.
bool IsListKey(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_F4:
        return true;
    default:
        return false;
    }
}

// The option buttons below the keys, each as wide as its caption so that it shows
// whole: up to three stand one under the other; four share two columns, the second
// beside the longest caption of the first.
void PlaceOptionButtons(const std::vector<QRadioButton*>& buttons)
{
    constexpr int top = 62, rowHeight = 20, height = 18, gap = 2, columnWidth = 72;
    const int count = static_cast<int>(buttons.size());
    const bool oneColumn = count <= 3;
    int second = columnWidth + gap;
    if (!oneColumn) {
        for (int i = 0; i < count; i += 2)
            second = std::max(second, buttons[static_cast<size_t>(i)]->sizeHint().width() + gap);
    }
    for (int i = 0; i < count; ++i) {
        QRadioButton* button = buttons[static_cast<size_t>(i)];
        const bool first = oneColumn || i % 2 == 0;
        const int left = first ? 0 : std::min(second, kOperatorsWidth - height);
        const int row = oneColumn ? i : i / 2;
        const int right = first && !oneColumn ? second - gap : kOperatorsWidth;
        const int width = std::min(std::max(button->sizeHint().width(), columnWidth), right - left);
        button->setGeometry(left, top + row * rowHeight, width, height);
    }
}

// The open list is as wide as its longest row, whatever width the closed list has. A
// style that opens the list as a menu widens it to its rows itself; one that opens a
// plain list below the closed one would keep it as narrow as the closed list.
void FitListPopup(QComboBox* list)
{
    QAbstractItemView* view = list->view();
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (list->count() > list->maxVisibleItems())
        width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(std::max(width, 0));
}

} // namespace

TFTornavel::TFTornavel(Engine& engine, const QString& settingsPath, const QString& decimalSeparator,
                       QWidget* parent)
    : QWidget(parent), engine_(engine), panels_(static_cast<size_t>(engine.Descriptions().Count()))
{
    setObjectName(QStringLiteral("FTornavel"));
    // No maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    engine_.FormCreate(ReadWindowBehaviour(settingsPath), decimalSeparator);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFixedSize(MainClientWidth, MainClientHeight);
    PaintWindowColour(client_);

    if (engine_.WindowResizable()) {
        // A sizeable border; scroll bars come when the window is made smaller than
        // its content (see resizeEvent).
        resize(MainClientWidth, MainClientHeight);
    } else {
        setFixedSize(MainClientWidth, MainClientHeight);
    }

    picturePath_ = engine_.Strings().FondPicturePath();
    // The picture's decoding thread starts once the first frame is out, so that it does
    // not share the processor with that frame.
    AfterFirstPaint([this] { LoadPicture(); });

    // Hints on a white background.
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, Qt::white);
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);

    // Only the panel on screen is built; each other one when it first comes on screen
    // (see RenderPanel), the menus at the first click on the menu bar.
    BuildMenuBar();
    BuildKeypad();
    BuildListPanel();
    // Tab from the keyboard's home goes along the menu bar, then to the option buttons
    // of the calculator on screen (see BuildPanel), and back home.
    QWidget* previous = listPanel_;
    for (QPushButton* button : menuButtons_) {
        setTabOrder(previous, button);
        previous = button;
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const WindowPosition at = CentredOnScreen(area.width(), area.height(), width(), height());
        move(area.left() + at.left, area.top() + at.top);
    }

    Render();
    // Keys typed anywhere in this window reach the engine first.
    qApp->installEventFilter(this);
}

TFTornavel::~TFTornavel()
{
    qApp->removeEventFilter(this);
    if (pictureLoader_) {
        pictureLoader_->wait();
        delete pictureLoader_;
    }
}

// ---------------------------------------------------------------------------
// Construction
// ---------------------------------------------------------------------------

QPushButton* TFTornavel::MakeButton(QWidget* parent, const QString& name, const QString& caption, int x,
                                    int y, int width, int height, std::function<void()> operation,
                                    const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, y, width, height);
    Quiet(button);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    // Every button made here is a key of the keypad or of a calculator panel.
    connect(button, &QPushButton::clicked, this,
            [this, op = std::move(operation)] { Dispatch(op, Needs::Calculator); });
    return button;
}

QAction* TFTornavel::MakeAction(QMenu* menu, const char* name, const QString& caption,
                                std::function<void()> operation)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, op = std::move(operation)] { Dispatch(op); });
    captionedActions_.push_back(action);
    return action;
}

QString TFTornavel::Text(LayoutString id) const
{
    return LayoutText(engine_.Strings(), id);
}

void TFTornavel::BuildMenuBar()
{
    menuBar_ = new QWidget(client_);
    menuBar_->setObjectName(QStringLiteral("PMenu"));
    menuBar_->setGeometry(0, 0, MainClientWidth, kMenuBarHeight);
    auto* fond = new FondImage(fond_, client_, menuBar_);
    fond->setObjectName(QStringLiteral("FondMenu"));
    fond->setGeometry(0, 0, MainClientWidth, kMenuBarHeight);

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
        button->setGeometry(b.left, 3, b.width, 22);
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
    for (int k = 0; k < HistoryCapacity; ++k) {
        const QByteArray name = "Calcul" + QByteArray::number(k);
        historyItems_[static_cast<size_t>(k)] =
            MakeAction(historyMenu_, name.constData(), QString(), [&e, k] { e.TraitArticleMCalculs(k); });
        historyItems_[static_cast<size_t>(k)]->setVisible(false);
    }
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
    for (int k = 0; k < FavouriteSlotCount; ++k) {
        const QByteArray name = "Favoris" + QByteArray::number(k);
        favouriteItems_[static_cast<size_t>(k)] =
            MakeAction(favouritesMenu_, name.constData(), QString(), [&e, k] { e.FavorisClick(k); });
        favouriteItems_[static_cast<size_t>(k)]->setVisible(false);
    }
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

void TFTornavel::BuildPanel(int n)
{
    const PanelState& state = engine_.Panel(n);
    PanelWidgets& w = panels_[static_cast<size_t>(n)];
    if (w.panel)
        return;

    w.panel = new QWidget(client_);
    w.panel->setObjectName(Numbered("PCalculette", n));
    w.panel->setGeometry(0, kPanelTop, MainClientWidth, kPanelHeight);
    w.panel->hide();

    w.fond = new FondImage(fond_, client_, w.panel);
    w.fond->setObjectName(Numbered("Fond", n));
    w.fond->setGeometry(0, 0, MainClientWidth, kPanelHeight);

    const CalculatorKind kind = state.kind;
    if (kind == CalculatorKind::InputProtocol) {
        w.prompt = new QLabel(w.panel);
        w.prompt->setObjectName(Numbered("LblResultat", n));
        // One line beside the result field; a prompt too long for it pushes the field
        // to the right (see FitPrompt).
        w.prompt->setGeometry(kPromptLeft, 2, kPromptWidth, 34);
        w.prompt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    w.result = new QLineEdit(QStringLiteral("0"), w.panel);
    w.result->setObjectName(Numbered("EdtCalculetteRes", n));
    w.result->setGeometry(kFieldLeft, kFieldTop, kFieldRight - kFieldLeft, kFieldHeight);
    w.result->setReadOnly(true);
    w.result->setAlignment(Qt::AlignRight);
    Quiet(w.result);
    OfferMenuWithoutShortcuts(w.result);

    if (state.hasList) {
        w.list = new QComboBox(w.panel);
        w.list->setObjectName(Numbered("ListBox", n));
        w.list->setGeometry(kFieldLeft, kFieldTop, kFieldRight - kFieldLeft, kFieldHeight);
        w.list->hide();
        Quiet(w.list);
        connect(w.list, &QComboBox::activated, this,
                [this, n](int row) { Dispatch([this, n, row] { engine_.ListBoxClick(n, row); }, Needs::Calculator); });
        // The closed list is narrower than its longest rows: its hint shows the chosen
        // row whole (and no hint when none is chosen).
        connect(w.list, &QComboBox::currentTextChanged, w.list, &QWidget::setToolTip);
    }

    w.formula = new QPlainTextEdit(w.panel);
    w.formula->setObjectName(Numbered("EdtFormule", n));
    w.formula->setGeometry(8, 168, 280, 70);
    w.formula->setReadOnly(true);
    if (kind == CalculatorKind::FunctionKeypad) {
        // The function calculator's formula stays on one line and scrolls sideways.
        w.formula->setLineWrapMode(QPlainTextEdit::NoWrap);
        w.formula->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    } else {
        // The whole formula shows, its result at the end included: it wraps at the
        // field's edge, inside a term when the term is longer than a line.
        w.formula->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        w.formula->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        w.formula->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    Quiet(w.formula);
    OfferMenuWithoutShortcuts(w.formula);

    w.operators = new QWidget(w.panel);
    w.operators->setObjectName(Numbered("POperateurs", n));
    w.operators->setGeometry(kOperatorsLeft, kOperatorsTop, kOperatorsWidth, kOperatorsHeight);

    Engine& e = engine_;

    if (kind == CalculatorKind::ArithmeticKeypad) {
        BuildStandardKeys(w, n);
    } else if (kind == CalculatorKind::FunctionKeypad) {
        BuildMathKeys(w, n);
    } else {
        w.compute = MakeButton(w.operators, Numbered("PCalcul", n), Text(LayoutString::ComputeKey), 0, 0, 72, 28,
                               [&e, n] { e.PCalculClick(n); });
        if (state.hasNextKey) {
            w.next = MakeButton(w.operators, Numbered("PEt", n), Text(LayoutString::NextTermKey), 74, 0, 72, 28,
                                [&e, n] { e.PEtClick(n); });
        }
        w.memory = MakeButton(w.operators, Numbered("PMR", n), Text(LayoutString::MemoryRecallKey), 0, 30, 72, 28,
                              [&e] { e.PMR0Click(); }, Text(LayoutString::MemoryRecallHint));
        w.ok = MakeButton(w.operators, Numbered("POk", n), Text(LayoutString::OkKey), 74, 30, 72, 28,
                          [&e] { e.POk0Click(); }, Text(LayoutString::OkHint));
        // The option buttons, placed so that no caption is cut (PlaceOptionButtons).
        // Reached with Tab on the checked one, the others with the arrow keys.
        w.options = new QButtonGroup(w.operators);
        int i = 0;
        for (const RadioButtonState& radio : state.radios) {
            auto* button = new QRadioButton(radio.caption, w.operators);
            button->setObjectName(radio.name);
            button->setFocusPolicy(Qt::TabFocus);
            w.options->addButton(button, i);
            // A click on the button already checked (Space on it, above all) is no choice
            // and does nothing, as with the desktop's own option buttons.
            connect(button, &QRadioButton::clicked, this, [this, n, i] {
                const std::vector<RadioButtonState>& shown = engine_.Panel(n).radios;
                if (static_cast<size_t>(i) < shown.size() && shown[static_cast<size_t>(i)].checked)
                    return;
                Dispatch([this, n, i] { engine_.VariantClick(n, i); }, Needs::Calculator);
            });
            w.radios.push_back(button);
            ++i;
        }
        TabStopOnCheckedOption(w.options->buttons());
        // In the Tab order right after the menu bar.
        QWidget* previous = menuButtons_.back();
        for (QRadioButton* button : w.radios) {
            setTabOrder(previous, button);
            previous = button;
        }
        PlaceOptionButtons(w.radios);
    }
    // The keypad lies over the panels.
    keypad_->raise();
    RenderPanel(n);
}

void TFTornavel::BuildStandardKeys(PanelWidgets& w, int n)
{
    Engine& e = engine_;
    // The operator and function keys go to the calculator on screen.
    const auto press = [&e](KeypadKey key) { return [&e, key] { e.KeypadKeyClick(key); }; };
    QWidget* p = w.operators;
    constexpr int bw = 47, bh = 28, dx = 49, dy = 30;
    MakeButton(p, "PCalculatricePlus", Text(LayoutString::PlusKey), 0, 0, bw, bh, press(KeypadKey::Plus));
    MakeButton(p, "PCalculatriceMoins", Text(LayoutString::MinusKey), dx, 0, bw, bh, press(KeypadKey::Minus));
    MakeButton(p, "PCalculatriceRac", Text(LayoutString::RootKey), 2 * dx, 0, bw, bh,
               press(KeypadKey::Root), Text(LayoutString::RootHint));
    MakeButton(p, "PCalculatriceMult", Text(LayoutString::TimesKey), 0, dy, bw, bh, press(KeypadKey::Times));
    MakeButton(p, "PCalculatriceSlash", Text(LayoutString::DivideKey), dx, dy, bw, bh, press(KeypadKey::Divide));
    MakeButton(p, "PCalculatriceInverse", Text(LayoutString::InverseKey), 2 * dx, dy, bw, bh,
               press(KeypadKey::Inverse), Text(LayoutString::InverseHint));
    MakeButton(p, "PMS", Text(LayoutString::MemoryStoreKey), 0, 2 * dy, bw, bh, press(KeypadKey::MemoryStore),
               Text(LayoutString::MemoryStoreHint));
    w.memory = MakeButton(p, Numbered("PMR", n), Text(LayoutString::MemoryRecallKey), dx, 2 * dy,
                          bw, bh, [&e] { e.PMR0Click(); },
                          Text(LayoutString::MemoryRecallHint));
    MakeButton(p, "PCalculatriceEgal", Text(LayoutString::EqualsKey), 2 * dx, 2 * dy, bw, bh,
               [&e, n] { e.PCalculClick(n); });
    w.ok = MakeButton(p, Numbered("POk", n), Text(LayoutString::OkKey), 2 * dx, 3 * dy, bw, bh,
                      [&e] { e.POk0Click(); },
                      Text(LayoutString::OkHint));
}

void TFTornavel::BuildMathKeys(PanelWidgets& w, int n)
{
    Engine& e = engine_;
    // The operator and function keys go to the calculator on screen.
    const auto press = [&e](KeypadKey key) { return [&e, key] { e.KeypadKeyClick(key); }; };
    QWidget* p = w.operators;
    constexpr int bw = 47, bh = 28, dx = 49, dy = 30;
    MakeButton(p, "PCalculatriceSin", Text(LayoutString::SineKey), 0, 0, bw, bh, press(KeypadKey::Sine),
               Text(LayoutString::SineHint));
    MakeButton(p, "PCalculatriceCos", Text(LayoutString::CosineKey), dx, 0, bw, bh, press(KeypadKey::Cosine),
               Text(LayoutString::CosineHint));
    MakeButton(p, "PCalculatriceTan", Text(LayoutString::TangentKey), 2 * dx, 0, bw, bh,
               press(KeypadKey::Tangent), Text(LayoutString::TangentHint));
    MakeButton(p, "PCalculatriceInv", Text(LayoutString::InverseFunctionKey), 0, dy, bw, bh,
               press(KeypadKey::InverseFunction), Text(LayoutString::InverseFunctionHint));
    MakeButton(p, "PCalculatricePi", Text(LayoutString::PiKey), dx, dy, bw, bh, press(KeypadKey::Pi));
    MakeButton(p, "PCalculatricePuis", Text(LayoutString::PowerKey), 2 * dx, dy, bw, bh,
               press(KeypadKey::Power), Text(LayoutString::PowerHint));
    MakeButton(p, "PCalculatriceInvSigne", Text(LayoutString::ChangeSignKey), 0, 2 * dy, bw, bh,
               press(KeypadKey::ChangeSign), Text(LayoutString::ChangeSignHint));
    w.memory = MakeButton(p, Numbered("PMR", n), Text(LayoutString::MemoryRecallKey), dx, 2 * dy,
                          bw, bh, [&e] { e.PMR0Click(); },
                          Text(LayoutString::MemoryRecallHint));
    MakeButton(p, Numbered("PCalcul", n), Text(LayoutString::EqualsKey), 2 * dx, 2 * dy, bw,
               bh, [&e, n] { e.PCalculClick(n); });
    w.ok = MakeButton(p, Numbered("POk", n), Text(LayoutString::OkKey), 2 * dx, 3 * dy, bw, bh,
                      [&e] { e.POk0Click(); },
                      Text(LayoutString::OkHint));
}

void TFTornavel::BuildKeypad()
{
    Engine& e = engine_;
    keypad_ = new QWidget(client_);
    keypad_->setObjectName(QStringLiteral("PClavier"));
    keypad_->setGeometry(kKeypadLeft, kKeypadTop, 120, 120);
    constexpr int bw = 28, bh = 28, step = 30;
    // 7 8 9 CE / 4 5 6 C / 1 2 3 / 0 ,
    const int digitColumn[10] = {0, 0, 1, 2, 0, 1, 2, 0, 1, 2};
    const int digitRow[10] = {3, 2, 2, 2, 1, 1, 1, 0, 0, 0};
    for (int d = 0; d < 10; ++d) {
        const int width = d == 0 ? bw + step : bw;
        MakeButton(keypad_, Numbered("PCalculatrice", d), QString::number(d), digitColumn[d] * step, digitRow[d] * step, width,
                   bh, [&e, d] { e.PCalculatriceDigitClick(d); });
    }
    MakeButton(keypad_, "PCalculatriceVirgule", Text(LayoutString::CommaKey), 2 * step, 3 * step, bw, bh,
               [&e] { e.PCalculatriceVirguleClick(); });
    MakeButton(keypad_, "CalculatriceCE", Text(LayoutString::ClearEntryKey), 3 * step, 0, bw, bh,
               [&e] { e.CalculatriceCEClick(); });
    MakeButton(keypad_, "CalculatriceC", Text(LayoutString::ClearKey), 3 * step, step, bw, bh,
               [&e] { e.CalculatriceCClick(); });
    keypad_->raise();
}

void TFTornavel::BuildListPanel()
{
    listPanel_ = new QWidget(client_);
    listPanel_->setObjectName(QStringLiteral("PanelListe"));
    listPanel_->setGeometry(0, kPanelTop + kPanelHeight, MainClientWidth, kListPanelHeight);
    // The keyboard's home: every key handler gives the focus back here.
    listPanel_->setFocusPolicy(Qt::StrongFocus);
    auto* fond = new FondImage(fond_, client_, listPanel_);
    fond->setObjectName(QStringLiteral("FondListe"));
    fond->setGeometry(0, 0, MainClientWidth, kListPanelHeight);

    auto* caption = new QLabel(Text(LayoutString::SubCalculationCaption), listPanel_);
    caption->setObjectName(QStringLiteral("lblSousCalcul"));
    caption->setGeometry(13, 3, 270, 16);

    offered_ = new QListWidget(listPanel_);
    offered_->setObjectName(QStringLiteral("LbCalculettes"));
    offered_->setGeometry(13, 20, 270, 81);
    offered_->setToolTip(Text(LayoutString::SubCalculationHint));
    // A name longer than the list is not cut short: the list scrolls sideways to it, and
    // every name is measured (no uniform row size), so that the scroll reaches the end of
    // the widest, wherever it stands in the list.
    // Both come with the frame that follows the first one. Qt paints the scroll bar's
    // long half-transparent lines by sharing them out among worker threads that it
    // starts on first use, and the first frame would wait for them; and while nothing
    // scrolls sideways the rows' widths do not count, so the first frame gives every row
    // the first one's size (each still spans the whole width of the list).
    offered_->setTextElideMode(Qt::ElideNone);
    offered_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    offered_->setUniformItemSizes(true);
    AfterFirstPaint([this] {
        offered_->setUniformItemSizes(false);
        offered_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        offered_->doItemsLayout();
    });
    Quiet(offered_);
    connect(offered_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = offered_->row(item);
        Dispatch([this, row] { engine_.LbCalculettesDblClick(row); }, Needs::Calculator);
    });

    status_ = new QLabel(client_);
    status_->setObjectName(QStringLiteral("StatusBar"));
    const int statusTop = kPanelTop + kPanelHeight + kListPanelHeight;
    status_->setGeometry(0, statusTop, MainClientWidth, MainClientHeight - statusTop);
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setIndent(4);
}

void TFTornavel::LoadPicture()
{
    // Decoding the background picture takes longer than building the window: it is
    // decoded on a thread of its own and shown as soon as it is ready.
    if (picturePath_.isEmpty() || pictureLoader_)
        return;
    const QString path = picturePath_;
    pictureLoader_ = QThread::create([this, path] {
        // The format named by the suffix (png or bmp, both built in): probing the
        // image plugins would load every one of them.
        QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
        reader.setAutoDetectImageFormat(false);
        decodedPicture_ = reader.read();
    });
    connect(pictureLoader_, &QThread::finished, this, [this] {
        fond_ = QPixmap::fromImage(decodedPicture_);
        decodedPicture_ = QImage();
        client_->update();
    });
    pictureLoader_->start();
}

// ---------------------------------------------------------------------------
// Events
// ---------------------------------------------------------------------------

TFTornavel::Outcome TFTornavel::Dispatch(const std::function<void()>& operation, Needs needs)
{
    const Outcome outcome = Run(operation, needs);
    if (listPanel_)
        listPanel_->setFocus();
    return outcome;
}

TFTornavel::Outcome TFTornavel::Run(const std::function<void()>& operation, Needs needs)
{
    Outcome outcome = Outcome::Done;
    if (needs == Needs::Calculator && !engine_.HasCalculator()) {
        // Nothing to act on: the calculator keys would reach for the top of an empty stack.
        outcome = Outcome::Skipped;
    } else {
        QString error;
        try {
            operation();
        } catch (const CalcError& e) {
            error = e.message();
        } catch (const std::exception& e) {
            error = QString::fromLocal8Bit(e.what());
        }
        if (!error.isNull()) {
            outcome = Outcome::Failed;
            engine_.Ui().MessageBox(ErrorBoxText(error), OwnLayoutText(engine_.Strings(), text::ProductName),
                                  BoxIcon::Error);
        }
    }
    Render();
    return outcome;
}

bool TFTornavel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::Paint) || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this)
        return QWidget::eventFilter(watched, event);

    if (type == QEvent::Paint) {
        // The window is on screen: what waited for it runs right after this paint.
        if (!firstPaintSeen_) {
            firstPaintSeen_ = true;
            QTimer::singleShot(0, this, [this] {
                for (auto& action : std::exchange(afterFirstPaint_, {}))
                    action();
            });
        }
        return QWidget::eventFilter(watched, event);
    }

    const auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
    const QChar character = KeyCharacter(key);
    bool handled = false;
    const Outcome outcome = Run(
        [&] {
            handled = engine_.FormKeyDown(key->key(), ctrl);
            if (!character.isNull())
                handled = engine_.FormKeyPress(character) || handled;
        },
        Needs::Calculator);
    // A key whose operation failed was acted on all the same. Let through, the event
    // would travel on to the parent widgets, each of which passes it through this
    // filter again: the key would run, and its error show, once per widget.
    handled = handled || outcome == Outcome::Failed;
    if (handled) {
        // The key was the calculator's, wherever the focus was (a button of the menu bar
        // or an option button): the keyboard goes back home.
        listPanel_->setFocus();
        return true;
    }
    // Another key goes on to the focused widget: Tab and Space on the buttons.
    if (IsListKey(key) && !qobject_cast<QAbstractButton*>(QApplication::focusWidget())) {
        // The arrow keys choose in the list shown in place of the result field; F4 and
        // Alt+Down open it, and Enter in the open list chooses the row. On a button they
        // move the focus, and go no further when it cannot move.
        const int n = engine_.Window().visiblePanel;
        QComboBox* list = n >= 0 && n < static_cast<int>(panels_.size()) ? panels_[static_cast<size_t>(n)].list : nullptr;
        if (list && list != watched && list->isVisible())
            return QCoreApplication::sendEvent(list, event);
    }
    return false;
}

void TFTornavel::AfterFirstPaint(std::function<void()> action)
{
    if (firstPaintSeen_ && afterFirstPaint_.empty())
        action();
    else
        afterFirstPaint_.push_back(std::move(action));
}

void TFTornavel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The engine acts on the first activation only.
    Dispatch([this] { engine_.FormActivate(); });
}

void TFTornavel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (scroller_ || !engine_.WindowResizable())
        return;
    if (width() >= MainClientWidth && height() >= MainClientHeight)
        return;
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("AutoScroll"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidget(client_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller_);
    scroller_->show();
}

void TFTornavel::closeEvent(QCloseEvent* event)
{
    Dispatch([this] { engine_.FormClose(); });
    event->accept();
}

// ---------------------------------------------------------------------------
// Rendering
// ---------------------------------------------------------------------------

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

void TFTornavel::FitPrompt(PanelWidgets& w)
{
    // Measured in the font on screen: desktop fonts differ in width.
    const int needed = w.prompt->sizeHint().width();
    const int shift = needed - kPromptWidth;
    if (shift <= w.fieldShift)
        return;
    // The field keeps its right edge; once moved it stays, so that it does not jump
    // from one prompt to the next.
    w.fieldShift = shift;
    w.prompt->resize(needed, w.prompt->height());
    w.result->setGeometry(kFieldLeft + shift, kFieldTop, kFieldRight - kFieldLeft - shift, kFieldHeight);
    if (w.list)
        w.list->resize(kFieldRight - kFieldLeft - shift, w.list->height());
}

void TFTornavel::RenderPanel(int n)
{
    const PanelState& s = engine_.Panel(n);
    PanelWidgets& w = panels_[static_cast<size_t>(n)];
    if (!w.panel) {
        // A panel is built at the latest when it comes on screen.
        if (s.visible)
            BuildPanel(n);
        return;
    }

    if (w.prompt && w.prompt->text() != s.prompt) {
        w.prompt->setText(s.prompt);
        FitPrompt(w);
    }
    if (w.result->text() != s.result)
        w.result->setText(s.result);
    w.result->setVisible(s.resultVisible);
    if (w.formula->toPlainText() != s.formula)
        w.formula->setPlainText(s.formula);

    if (w.list) {
        QStringList rows;
        rows.reserve(w.list->count());
        for (int i = 0; i < w.list->count(); ++i)
            rows.append(w.list->itemText(i));
        if (rows != s.listRows) {
            w.list->clear();
            w.list->addItems(s.listRows);
            FitListPopup(w.list);
        }
        if (w.list->currentIndex() != s.listIndex)
            w.list->setCurrentIndex(s.listIndex);
        w.list->move(s.listLeft + w.fieldShift, s.listTop);
        w.list->setVisible(s.listVisible);
    }

    if (w.compute) {
        w.compute->setEnabled(s.computeEnabled);
        if (w.compute->toolTip() != s.computeHint)
            w.compute->setToolTip(s.computeHint);
    }
    if (w.next) {
        w.next->setEnabled(s.nextEnabled);
        if (w.next->toolTip() != s.nextHint)
            w.next->setToolTip(s.nextHint);
    }
    if (w.memory)
        w.memory->setEnabled(s.memoryEnabled);
    if (w.options) {
        // The engine may leave every button unchecked, which an exclusive group refuses.
        w.options->setExclusive(false);
        for (size_t i = 0; i < w.radios.size() && i < s.radios.size(); ++i) {
            QRadioButton* radio = w.radios[i];
            if (radio->text() != s.radios[i].caption)
                radio->setText(s.radios[i].caption);
            radio->setChecked(s.radios[i].checked);
        }
        w.options->setExclusive(true);
    }

    w.panel->setVisible(s.visible);
}

void TFTornavel::Render()
{
    const WindowState& state = engine_.Window();
    if (windowTitle() != state.caption)
        setWindowTitle(state.caption);

    for (int n = 0; n < static_cast<int>(panels_.size()); ++n)
        RenderPanel(n);

    QStringList rows;
    rows.reserve(offered_->count());
    for (int i = 0; i < offered_->count(); ++i)
        rows.append(offered_->item(i)->text());
    if (rows != state.offeredRows) {
        offered_->clear();
        offered_->addItems(state.offeredRows);
    }
    if (status_->text() != state.statusText)
        status_->setText(state.statusText);
    RenderMenus();
}

} // namespace tornavel
