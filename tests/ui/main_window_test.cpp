#include "core/calcerror.h"
#include "tests/support/engine_parts.h"
#include "tests/support/family_key.h"
#include "ui/dialogs/messages.h"
#include "ui/widget_ui_services.h"
#include "tests/ui/window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>

#include <memory>

using namespace tornavel;

namespace {

using MainWindow = tornavel::testing::WindowFixture<FakeUi>;
using MainWindowOnTheDesktop = tornavel::testing::WindowFixture<WidgetUiServices>;

// The calculator panels built so far, by name.
QStringList BuiltPanels(const QWidget* window)
{
    QStringList names;
    for (const QWidget* child : window->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^PCalculette\\d+$"))))
        names << child->objectName();
    return names;
}

// What a screen reader reads as a widget's name.
QString AccessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The widget that a label names for a screen reader (null when none).
QObject* WidgetLabelledBy(QLabel* label)
{
    const auto related = QAccessible::queryAccessibleInterface(label)->relations(QAccessible::Labelled);
    return related.isEmpty() ? nullptr : related.front().first->object();
}

// Notes which panels exist when the window receives its first paint.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~FirstPaintWatch() override { qApp->removeEventFilter(this); }
    bool painted = false;
    QStringList panelsAtFirstPaint;
    bool menusAtFirstPaint = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == window_) {
            painted = true;
            panelsAtFirstPaint = BuiltPanels(window_);
            menusAtFirstPaint = window_->findChild<QMenu*>() != nullptr;
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

// Start-up stays light: the window builds only what its first paint shows, a panel when
// its calculator is first opened and the menus at the first click on the menu bar.
TEST_F(MainWindow, BuildsOnlyThePanelOnScreenAndTheRestWhenFirstReachedFor)
{
    Build();
    FirstPaintWatch watch(window.get());
    Show();
    ASSERT_TRUE(watch.painted);
    EXPECT_EQ(watch.panelsAtFirstPaint, QStringList{QStringLiteral("PCalculette0")});
    EXPECT_FALSE(watch.menusAtFirstPaint);
    QCoreApplication::processEvents();
    EXPECT_EQ(BuiltPanels(window.get()), QStringList{QStringLiteral("PCalculette0")});
    EXPECT_EQ(window->findChild<QMenu*>(), nullptr);

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("btnCalculettes")), Qt::LeftButton);
    auto* calculators = Find<QMenu>(QStringLiteral("PopupMCalculettes"));
    EXPECT_TRUE(calculators->isVisible());
    calculators->hide();
    EXPECT_EQ(BuiltPanels(window.get()), QStringList{QStringLiteral("PCalculette0")});
    Open(12);
    EXPECT_EQ(BuiltPanels(window.get()), (QStringList{QStringLiteral("PCalculette0"), QStringLiteral("PCalculette12")}));
    EXPECT_TRUE(Find(QStringLiteral("PCalculette12"))->isVisible());
    EXPECT_FALSE(Find(QStringLiteral("PCalculette0"))->isVisible());
}

TEST_F(MainWindow, StartsOnTheStandardCalculatorWithItsComponents)
{
    Start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tornavel"));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->ClientArea()->size(), QSize(296, 400));
    EXPECT_TRUE(Find(QStringLiteral("PCalculette0"))->isVisible());
    EXPECT_EQ(Find<QLabel>(QStringLiteral("StatusBar"))->text(), QStringLiteral("Calculatrice standard"));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("lblSousCalcul"))->text(), QStringLiteral("Sous calcul"));
    EXPECT_EQ(Find<QListWidget>(QStringLiteral("LbCalculettes"))->item(0)->text(),
              u"Calculatrice fonctions mathématiques"_qs);
    // What a screen reader reads as the names of the list and of the fields without a prompt.
    EXPECT_EQ(AccessibleName(Find(QStringLiteral("LbCalculettes"))), QStringLiteral("Sous calcul"));
    EXPECT_EQ(WidgetLabelledBy(Find<QLabel>(QStringLiteral("lblSousCalcul"))), Find(QStringLiteral("LbCalculettes")));
    EXPECT_EQ(AccessibleName(Find(QStringLiteral("EdtCalculetteRes0"))), u"Résultat"_qs);
    EXPECT_EQ(AccessibleName(Find(QStringLiteral("EdtFormule0"))), QStringLiteral("Formule"));
    for (const char* name : {"PMenu", "FondMenu", "btnCalculettes", "BtnCalculs", "btnOptions", "btnFavoris",
                             "btnAide", "PClavier", "PCalculatrice0", "PCalculatrice9", "PCalculatriceVirgule",
                             "CalculatriceCE", "CalculatriceC", "PanelListe", "PCalculatricePlus",
                             "PCalculatriceMoins", "PCalculatriceMult", "PCalculatriceSlash", "PCalculatriceRac",
                             "PCalculatriceInverse", "PCalculatriceEgal", "PMS", "PMR0", "POk0"})
        EXPECT_NE(window->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    Open(39);
    for (const char* name : {"PCalculatriceSin", "PCalculatriceCos", "PCalculatriceTan", "PCalculatriceInv",
                             "PCalculatricePi", "PCalculatricePuis", "PCalculatriceInvSigne", "PCalcul39",
                             "POk39", "PMR39", "POperateurs39", "Fond39", "EdtFormule39"})
        EXPECT_NE(window->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    // A missing widget fails the one test that reaches for it.
    EXPECT_THROW(Find(QStringLiteral("NoSuchWidget")), tornavel::testing::MissingWidget);
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("btnAide"))->text(), QStringLiteral("?"));
    // The push buttons take the keyboard focus from Tab only: a click leaves it where it is.
    for (QPushButton* button : window->findChildren<QPushButton*>())
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus) << button->objectName().toStdString();
}

TEST_F(MainWindow, MenusCarryTheirItemsAndCaptions)
{
    Start();
    auto* calculators = Find<QMenu>(QStringLiteral("PopupMCalculettes"));
    const auto actions = calculators->actions();
    const std::vector<CalculatorMenuEntry>& menu = engine->Descriptions().Menu();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(menu.size()));
    for (size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), menu[i].name) << i;
        EXPECT_EQ(actions[i]->isSeparator(), menu[i].item < 0) << i;
        if (menu[i].calculator == 31) {
            EXPECT_EQ(actions[i]->text(), QStringLiteral("Calculatrice escalier"));
        }
        if (menu[i].calculator == 32) {
            EXPECT_EQ(actions[i]->text(), u"Calculatrice résistance/puissance"_qs);
        }
    }
    for (int k = 0; k < 20; ++k)
        Find<QAction>(QStringLiteral("Calcul%1").arg(k));
    for (int k = 0; k < 5; ++k)
        Find<QAction>(QStringLiteral("Favoris%1").arg(k));
    EXPECT_EQ(Find<QAction>(QStringLiteral("AideTornavel"))->text(), QStringLiteral("Aide Tornavel"));
    EXPECT_EQ(Find<QAction>(QStringLiteral("VideosdedmonstrationdeTornavel"))->text(),
              u"Vidéos de démonstration de  Tornavel"_qs);
    EXPECT_EQ(Find<QAction>(QStringLiteral("UniteMesure"))->text(), u"Unité de mesure"_qs);
    auto* upgrade = Find<QAction>(QStringLiteral("MiseANiveau"));
    EXPECT_EQ(upgrade->text(), u"Mettre à niveau Tornavel"_qs);
    EXPECT_FALSE(upgrade->isVisible());

    // A menu of the bar opens beside its button's right edge, level with its top.
    auto* button = Find<QPushButton>(QStringLiteral("btnOptions"));
    auto* options = Find<QMenu>(QStringLiteral("PopupMOptions"));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(options->isVisible());
    const QRect frame = window->frameGeometry();
    const QPoint expected(frame.left() + button->x() + button->width(),
                          frame.top() + (frame.height() - window->height()) + button->y());
    EXPECT_EQ(options->pos(), expected);
    options->hide();
}

TEST_F(MainWindow, EveryCalculatorOpensFromTheMenuWithItsPromptAndKeys)
{
    Start();
    for (int n = 0; n < CalculatorCount; ++n) {
        Open(n);
        const PanelState& state = engine->Panel(n);
        // Each calculator opened so far has its panel, and only this one shows.
        const QStringList built = BuiltPanels(window.get());
        EXPECT_EQ(built.size(), n + 1);
        for (const QString& name : built)
            EXPECT_EQ(Find(name)->isVisible(), name == QStringLiteral("PCalculette%1").arg(n)) << n;
        EXPECT_EQ(Find<QLabel>(QStringLiteral("StatusBar"))->text(), Seen(*engine).screen.CalculatorName(n));
        EXPECT_EQ(Result(n), QStringLiteral("0"));
        if (n == 0 || n == 39) {
            EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LblResultat%1").arg(n)), nullptr);
            continue;
        }
        auto* prompt = Find<QLabel>(QStringLiteral("LblResultat%1").arg(n));
        EXPECT_FALSE(prompt->text().isEmpty()) << n;
        EXPECT_EQ(prompt->text(), state.prompt) << n;
        EXPECT_EQ(Find<QPushButton>(QStringLiteral("PCalcul%1").arg(n))->text(), QStringLiteral("f="));
        EXPECT_EQ(Find<QPushButton>(QStringLiteral("POk%1").arg(n))->text(), QStringLiteral("Ok"));
        EXPECT_EQ(Find<QPushButton>(QStringLiteral("PMR%1").arg(n))->isEnabled(), Seen(*engine).keys.KeypadEnabled());
        auto* next = window->findChild<QPushButton*>(QStringLiteral("PEt%1").arg(n));
        EXPECT_EQ(next != nullptr, state.hasNextKey) << n;
        if (next) {
            EXPECT_EQ(next->toolTip(), u"Cliquez sur & pour saisir le terme suivant du calcul"_qs);
            EXPECT_TRUE(next->isEnabled()) << n;
            EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PCalcul%1").arg(n))->isEnabled()) << n;
        }
        for (const RadioButtonState& radio : state.radios)
            EXPECT_EQ(Find<QRadioButton>(radio.name)->isChecked(), radio.checked) << n;
        if (state.hasList) {
            auto* list = Find<QComboBox>(QStringLiteral("ListBox%1").arg(n));
            EXPECT_EQ(list->isVisible(), state.listVisible) << n;
            EXPECT_EQ(list->count(), state.listRows.size()) << n;
        }
    }
    // Units shown only when needed: the circle shows its prompt alone, the house
    // walls always carry the unit.
    Open(3);
    EXPECT_EQ(Find<QLabel>(QStringLiteral("LblResultat3"))->text(), u"Diamètre"_qs);
    Open(10);
    EXPECT_EQ(Find<QLabel>(QStringLiteral("LblResultat10"))->text(), u"Long. mur pignon (cm)"_qs);
    Open(33);
    EXPECT_EQ(Find<QLabel>(QStringLiteral("LblResultat33"))->text(), QStringLiteral("Nature circuit"));
    EXPECT_TRUE(Find<QComboBox>(QStringLiteral("ListBox33"))->isVisible());
    EXPECT_FALSE(Find<QLineEdit>(QStringLiteral("EdtCalculetteRes33"))->isVisible());
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PMR33"))->isEnabled());
}

TEST_F(MainWindow, SubCalculationRoundTripThroughTheListAndOk)
{
    Start();
    // The standard calculator holds 2* when the circle area is opened from its list.
    window->Dispatch([this] { as_family::Typed(*engine, QStringLiteral("2*"), QStringLiteral("2"), Code::Times); });
    DoubleClickOffered(3);
    ASSERT_EQ(Seen(*engine).stack.Records().size(), 2u);
    EXPECT_TRUE(Find(QStringLiteral("PCalculette3"))->isVisible());
    EXPECT_FALSE(Find(QStringLiteral("PCalculette0"))->isVisible());
    EXPECT_EQ(Find<QLabel>(QStringLiteral("StatusBar"))->text(), QStringLiteral("Calculatrice surface de cercle"));

    // What the circle-area calculator shows after computing a diameter of 10.
    window->Dispatch([this] {
        as_family::Typed(*engine, QStringLiteral("Surface(10)=78,5398163397448"), QStringLiteral("78,5398163397448"),
                         12);
    });
    Click(QStringLiteral("POk3"));
    EXPECT_EQ(Seen(*engine).stack.Records().size(), 1u);
    EXPECT_TRUE(Find(QStringLiteral("PCalculette0"))->isVisible());
    EXPECT_EQ(Formula(0), QStringLiteral("2*78,5398163397448"));
    EXPECT_EQ(Result(0), QStringLiteral("78,5398163397448"));
    EXPECT_EQ(Formula(3), QString());
    EXPECT_EQ(Result(3), QStringLiteral("0"));
    EXPECT_EQ(QApplication::focusWidget(), Find(QStringLiteral("PanelListe")));
}

TEST_F(MainWindow, EngineErrorIsShownInTheErrorBoxAndTheProgramGoesOn)
{
    const CalculatorCatalogue failing = WithKeysOf(5, [](CalculatorKeys& keys) {
        keys.compute = [](CalculatorContext&) { throw CalcError(u"Division par zéro en virgule flottante"_qs); };
    }, AllCalculators());
    catalogue = &failing;
    Start();
    Open(5);
    window->Dispatch([this] {
        AsFamilyKey(*engine, [](CalculatorContext& c) {
            c.GoToTerm(1);
            c.UpdateOperatorButtons();
        });
    });
    Click(QStringLiteral("PCalcul5"));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes[0].text, u"Division par zéro en virgule flottante."_qs);
    EXPECT_EQ(ui.boxes[0].caption, QStringLiteral("Tornavel"));
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Error);
    EXPECT_EQ(QApplication::focusWidget(), Find(QStringLiteral("PanelListe")));
    Open(0);
    EXPECT_TRUE(Find(QStringLiteral("PCalculette0"))->isVisible());
}

TEST_F(MainWindow, KeysTypedInTheWindowReachTheKeypad)
{
    Start();
    QTest::keyClick(window.get(), Qt::Key_4);
    QTest::keyClick(Find(QStringLiteral("PanelListe")), Qt::Key_2);
    EXPECT_EQ(Result(0), QStringLiteral("42"));
    EXPECT_EQ(Formula(0), QStringLiteral("42"));
    Click(QStringLiteral("PCalculatrice7"));
    EXPECT_EQ(Result(0), QStringLiteral("427"));
    EXPECT_EQ(QApplication::focusWidget(), Find(QStringLiteral("PanelListe")));
}

TEST_F(MainWindow, ActivatingAgainPushesNothing)
{
    Start();
    window->hide();
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(Seen(*engine).stack.Records().size(), 1u);
    EXPECT_EQ(ui.pendingDownloads.size(), 1);
}

TEST_F(MainWindow, WindowBehaviourComesFromTheSettingsFile)
{
    Build(); // no settings file: resizable
    EXPECT_TRUE(engine->WindowResizable());
    EXPECT_NE(window->minimumSize(), window->maximumSize());
    // Made smaller than its content, the window scrolls.
    Show();
    window->resize(200, 150);
    QCoreApplication::processEvents();
    auto* scroller = window->findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->widget(), window->ClientArea());
    EXPECT_EQ(ReadWindowBehaviour(dir.filePath(QStringLiteral("missing.ini"))), QStringLiteral("O"));

    window.reset();
    Build("[Comportement fenetre]\r\nRedimensionnable=o\r\n");
    EXPECT_FALSE(engine->WindowResizable());
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->findChild<QScrollArea*>(), nullptr);

    window.reset();
    Build("[Comportement fenetre]\r\nRedimensionnable=O\r\n");
    EXPECT_TRUE(engine->WindowResizable());
}

TEST(MessageWindow, SizedByItsLineCountAndClosedWithEnter)
{
    TFMessages messages;
    const QRect main(100, 50, 300, 430);
    // Every line of the text shows whole, above the button, in the window.
    auto textFits = [&messages] {
        const QLabel* label = messages.Label();
        const QRect text(label->pos(), label->fontMetrics().size(0, label->text()));
        return QRect(QPoint(0, 0), messages.size()).contains(text) && text.bottom() < messages.OkButton()->y();
    };
    messages.Prepare(QStringLiteral("Ok"), 1, main);
    EXPECT_EQ(messages.size(), QSize(218, 63));
    EXPECT_EQ(messages.OkButton()->y(), 26);
    EXPECT_EQ(messages.pos(), QPoint(141, 150));
    EXPECT_EQ(messages.OkButton()->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(messages.windowFlags().testFlag(Qt::FramelessWindowHint));

    messages.Prepare(QStringLiteral("Erreur de saisie : Valeur non valide !"), 1, main);
    EXPECT_TRUE(textFits());
    EXPECT_GE(messages.height(), 63);
    // Still centred on the main window, and so is the button in it.
    EXPECT_EQ(messages.x() + messages.width() / 2, 100 + 300 / 2);
    EXPECT_EQ(messages.OkButton()->x() + messages.OkButton()->width() / 2, messages.width() / 2);

    QTimer::singleShot(0, &messages, [&] {
        QTest::keyClick(&messages, Qt::Key_Return);
        // Still open after Enter: close it another way so that the test goes on and fails.
        if (messages.isVisible())
            messages.reject();
    });
    messages.ShowMessage(u"Attention, le changement d'unité de mesure\nrisque de rendre votre calcul erroné !"_qs, 2,
                         main);
    EXPECT_EQ(messages.result(), QDialog::Accepted);
    EXPECT_FALSE(messages.isVisible());
    EXPECT_TRUE(textFits());
    // One line more than the first: 12 pixels lower, or more for a taller font.
    EXPECT_GE(messages.height(), 75);
    EXPECT_EQ(messages.height() - messages.OkButton()->y(), 63 - 26);
}

TEST(MessageWindow, GoesWithTheMainWindowWhenThatCloses)
{
    // At exit the main window is destroyed before the desktop services: the message
    // window, its child, goes with it and the services must not free it again.
    StringTable strings;
    auto ui = std::make_unique<WidgetUiServices>(strings);
    auto main = std::make_unique<QWidget>();
    ui->SetMainWindow(main.get());
    QPointer<TFMessages> messages = ui->Messages();
    ASSERT_NE(messages, nullptr);
    main.reset();
    EXPECT_EQ(messages, nullptr);
    EXPECT_EQ(ui->Messages()->parent(), nullptr);
    ui.reset();
}

TEST_F(MainWindow, HistoryAndFavouritesMenusShowTheirFilledItems)
{
    WriteHistoryFile(catalogue->Rows(), QStringLiteral("CLS.dat"), [](HistoryBook& book) {
        for (const char* text : {"2+3", "4*5"})
            book.Add(0, QString::fromLatin1(text), {}, 0, 10, Code::None);
    });
    WriteOptionsFile(catalogue->Rows(), QStringLiteral("Options.dat"),
                     [](OptionsStore& options) { options.SetFavourite(2, 5); });
    Start();
    auto* history = Find<QMenu>(QStringLiteral("PopupMCalculs"));
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("BtnCalculs")), Qt::LeftButton);
    ASSERT_TRUE(history->isVisible());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("Calcul0"))->isVisible());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("Calcul1"))->isVisible());
    EXPECT_FALSE(Find<QAction>(QStringLiteral("Calcul2"))->isVisible());
    EXPECT_EQ(Find<QAction>(QStringLiteral("Calcul1"))->text(), engine->Window().historyCaptions.value(1));
    history->hide();

    auto* favourites = Find<QMenu>(QStringLiteral("PopupMFavoris"));
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("btnFavoris")), Qt::LeftButton);
    ASSERT_TRUE(favourites->isVisible());
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(Find<QAction>(QStringLiteral("Favoris%1").arg(k))->isVisible(), k == 2) << k;
    auto* slot = Find<QAction>(QStringLiteral("Favoris2"));
    EXPECT_EQ(slot->text(), u"Calculatrice surface d'ellipse"_qs);
    favourites->hide();
    slot->trigger();
    EXPECT_TRUE(Find(QStringLiteral("PCalculette5"))->isVisible());
}

TEST_F(MainWindow, AnEmptyHistoryMenuStaysClosedAndOpensOnceACalculationIsDone)
{
    // An empty pop-up would hold the keyboard with nothing on screen.
    Start();
    auto* history = Find<QMenu>(QStringLiteral("PopupMCalculs"));
    auto* button = Find<QPushButton>(QStringLiteral("BtnCalculs"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(history->isVisible());
    ClickKeys(QStringLiteral("2+3="));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(history->isVisible());
    EXPECT_TRUE(Find<QAction>(QStringLiteral("Calcul0"))->isVisible());
    history->hide();
}

TEST_F(MainWindow, CtrlCCopiesTheResultOfTheCalculatorOnScreen)
{
    Start();
    QTest::keyClick(window.get(), Qt::Key_8);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ui.clipboard, QStringLiteral("8"));
    EXPECT_EQ(Result(0), QStringLiteral("8"));
}

TEST_F(MainWindow, ClosingWithASubCalculationOpenSavesAndHandsNothingBack)
{
    Start();
    window->Dispatch([this] { as_family::Typed(*engine, QStringLiteral("2*"), engine->Panel(0).result, Code::Times); });
    DoubleClickOffered(39);
    ASSERT_EQ(Seen(*engine).stack.Records().size(), 2u);
    window->Dispatch([this] {
        AsFamilyKey(*engine, [](CalculatorContext& c) { c.ShowEntry(QStringLiteral("9"), c.TopPanel().formula); });
    });
    window->close();
    EXPECT_TRUE(QFile::exists(Seen(*engine).history.FilePath()));
    EXPECT_EQ(engine->Panel(0).result, QStringLiteral("0"));
    EXPECT_EQ(engine->Panel(0).formula, QStringLiteral("2*"));
    // The window goes first, then the engine with its records: nothing is touched.
    window.reset();
    engine.reset();
}

// One key press that ends in an error runs its key once and shows one box, though the
// key travels from the focused panel up through its parents.
TEST_F(MainWindow, AKeyThatFailsRunsOnceAndShowsOneBox)
{
    int computed = 0;
    const CalculatorCatalogue failing = WithKeysOf(7, [&computed](CalculatorKeys& keys) {
        keys.compute = [&computed](CalculatorContext&) {
            ++computed;
            throw CalcError(u"Division par zéro en virgule flottante"_qs);
        };
    }, AllCalculators());
    catalogue = &failing;
    Start();
    struct Press {
        int calculator;
        QString keys;
        int runs;  // of the replaced compute key
    };
    const Press presses[] = {{0, QStringLiteral("5/0\r"), 0}, {0, QStringLiteral("5/0="), 0},
                             {7, QStringLiteral("\r"), 1}, {7, QStringLiteral("="), 1}};
    for (const Press& press : presses) {
        Open(press.calculator);
        ui.boxes.clear();
        computed = 0;
        for (const QChar key : press.keys) {
            if (key == QLatin1Char('\r'))
                QTest::keyClick(Keyboard(), Qt::Key_Return);
            else
                QTest::keyClicks(Keyboard(), QString(key));
        }
        EXPECT_EQ(ui.boxes.size(), 1) << press.keys.toStdString();
        EXPECT_EQ(computed, press.runs) << press.keys.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), Keyboard());
    }
}

// Calculator keys reach the engine only while it has a calculator on its stack: before
// the window's first activation there is none.
TEST_F(MainWindow, CalculatorKeysWaitForACalculatorOnTheStack)
{
    int ran = 0;
    const CalculatorCatalogue counting = WithKeysOf(9, [&ran](CalculatorKeys& keys) {
        keys.compute = [&ran](CalculatorContext&) { ++ran; };
        keys.nextTerm = [&ran](CalculatorContext&) { ++ran; };
    }, AllCalculators());
    catalogue = &counting;
    Build();
    ASSERT_TRUE(Seen(*engine).stack.Records().empty());
    for (const char* name : {"PCalculatrice7", "PCalculatriceVirgule", "CalculatriceCE", "CalculatriceC"})
        Click(QString::fromLatin1(name));
    QTest::keyClicks(Keyboard(), QStringLiteral("12&3="));
    QTest::keyClick(Keyboard(), Qt::Key_Return);
    QTest::keyClick(Keyboard(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(ui.boxes.isEmpty());
    EXPECT_TRUE(Seen(*engine).stack.Records().empty());
    // A calculator chosen in the menu brings the keys back.
    Show();
    window->BuildMenus();
    Open(9);
    Click(QStringLiteral("PEt9"));
    EXPECT_EQ(ran, 1);
}

// A refused input is already taken back when its message shows over the window.
TEST_F(MainWindowOnTheDesktop, ARefusedInputIsTakenBackBeforeItsMessageShows)
{
    Start();
    Open(9);
    QTest::keyClicks(Keyboard(), QStringLiteral("12&12"));
    bool messageShown = false;
    QString shownResult;
    QString shownFormula;
    QTimer::singleShot(0, window.get(), [&] {
        auto* message = qobject_cast<TFMessages*>(QApplication::activeModalWidget());
        messageShown = message != nullptr;
        shownResult = window->findChild<QLineEdit*>(QStringLiteral("EdtCalculetteRes9"))->text();
        shownFormula = window->findChild<QPlainTextEdit*>(QStringLiteral("EdtFormule9"))->toPlainText();
        if (message)
            message->accept();
    });
    QTest::keyClicks(Keyboard(), QStringLiteral("&"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(messageShown);
    EXPECT_EQ(shownFormula, QStringLiteral("12&"));
    EXPECT_EQ(shownResult, QStringLiteral("0"));
}

// Every prompt, with the longest unit suffixes, shows on one line beside its field,
// both within the panel, and names the field shown for a screen reader.
TEST_F(MainWindow, PromptsStayOnOneLineBesideTheFieldTheyName)
{
    Start();
    ui.chosenUnitRow = 0;     // millimetres
    ui.chosenDisplayRow = 1;  // units always shown
    Find<QAction>(QStringLiteral("UniteMesure"))->trigger();
    ASSERT_EQ(Seen(*engine).options.Values().UnitScaleCode, 1);
    for (int n = 1; n < 39; ++n) {
        Open(n);
        auto* prompt = Find<QLabel>(QStringLiteral("LblResultat%1").arg(n));
        auto* result = Find<QLineEdit>(QStringLiteral("EdtCalculetteRes%1").arg(n));
        auto* list = window->findChild<QComboBox*>(QStringLiteral("ListBox%1").arg(n));
        // Each input in turn, then C back to the first.
        for (int step = 0; step < 6; ++step) {
            const std::string at = prompt->text().toStdString() + " on " + std::to_string(n);
            EXPECT_FALSE(prompt->wordWrap()) << at;
            EXPECT_GE(prompt->width(), prompt->sizeHint().width()) << at;
            EXPECT_LT(prompt->geometry().right(), result->x()) << at;
            EXPECT_LE(result->geometry().right(), prompt->parentWidget()->width()) << at;
            if (list) {
                EXPECT_LT(prompt->geometry().right(), list->x()) << at;
                EXPECT_LE(list->geometry().right(), prompt->parentWidget()->width()) << at;
            }
            // The prompt labels the field shown; the result field takes its name from it (a
            // list is named by its chosen row on Linux, and by the label's relation).
            QWidget* field = list && list->isVisible() ? static_cast<QWidget*>(list) : result;
            EXPECT_EQ(WidgetLabelledBy(prompt), field) << at;
            if (field == result) {
                EXPECT_EQ(AccessibleName(result), prompt->text()) << at;
            }
            if (step == 4)
                QTest::keyClick(Keyboard(), Qt::Key_Escape);
            else
                QTest::keyClicks(Keyboard(), QStringLiteral("2&"));
        }
    }
}

// The windows' own texts are all in the program's table.
TEST(LayoutTexts, AreAllInTheProgramsOwnTable)
{
    StringTable strings;
    for (int id = static_cast<int>(LayoutString::First); id < static_cast<int>(LayoutString::End); ++id) {
        EXPECT_TRUE(strings.OwnHas(id)) << id;
        EXPECT_FALSE(LayoutText(strings, static_cast<LayoutString>(id)).isEmpty()) << id;
    }
}
