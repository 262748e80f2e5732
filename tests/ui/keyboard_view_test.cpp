// The windows from the keyboard alone, each key pressed on the widget that has the focus.

#include "tests/ui/window_fixture.h"
#include "ui/dialogs/window_behaviour_window.h"
#include "ui/dialogs/unit_window.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>

using namespace tornavel;

namespace {

QString Focused()
{
    const QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

void Press(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Where Tab stops, from the focus round to it again.
QStringList TabCycle()
{
    const QString start = Focused();
    QStringList stops;
    do {
        Press(Qt::Key_Tab);
        stops << Focused();
    } while (stops.back() != start && stops.size() < 80);
    return stops;
}

// Tabs on until the focus is on `name` (false when a whole round does not reach it).
bool TabTo(const QString& name)
{
    for (int i = 0; i < 80 && Focused() != name; ++i)
        Press(Qt::Key_Tab);
    return Focused() == name;
}

// The rows of a list that tell a screen reader they have the focus.
QStringList FocusedRows(QWidget* list)
{
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
    QStringList rows;
    for (int i = 0; i < view->childCount(); ++i) {
        if (view->child(i)->state().focused)
            rows << view->child(i)->text(QAccessible::Name);
    }
    return rows;
}

const QStringList kMenuBar{u"btnCalculettes"_qs, u"BtnCalculs"_qs, u"btnOptions"_qs, u"btnFavoris"_qs, u"btnAide"_qs};

using KeyboardWindow = tornavel::testing::WindowFixture<>;

} // namespace

TEST_F(KeyboardWindow, SpaceOpensTheMenusOfTheMenuBarAndTheKeysKeepTheirMeaning)
{
    Start();
    QTest::keyClicks(Keyboard(), QStringLiteral("6*7"));
    EXPECT_EQ(TabCycle().mid(0, 5), kMenuBar);
    // Return on a focused button computes, as everywhere in the window.
    Press(Qt::Key_Tab, 2);
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(0), QStringLiteral("42"));
    const char* menus[] = {"PopupMCalculettes", "PopupMCalculs", "PopupMOptions", "PopupMFavoris", "PopupMAide"};
    for (int b = 0; b < 5; ++b) {
        Press(Qt::Key_Tab, b + 1);
        Press(Qt::Key_Space);
        auto* menu = Find<QMenu>(QString::fromLatin1(menus[b]));
        EXPECT_TRUE(menu->isVisible()) << menus[b];
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_EQ(Focused(), QStringLiteral("PanelListe"));
    }
    Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(Find<QMenu>(QStringLiteral("PopupMCalculettes")), key);
    const int opened = engine->Window().visiblePanel;
    EXPECT_NE(opened, 0);
    Press(Qt::Key_7);
    EXPECT_EQ(Result(opened), QStringLiteral("7"));
}

// After the menu bar and the option buttons, Tab stops on every key that can be pressed,
// the keypad's first, each once, then on the "Sous calcul" list and back home.
TEST_F(KeyboardWindow, TabReachesEveryKeyOnScreenAndTheSubCalculationList)
{
    Start();
    for (const int calculator : {0, 39, 23, 32}) {
        Open(calculator);
        const QStringList stops = TabCycle();
        ASSERT_GE(stops.size(), 8) << calculator;
        EXPECT_EQ(stops.mid(0, 5), kMenuBar) << calculator;
        EXPECT_EQ(stops.mid(stops.size() - 2), (QStringList{u"LbCalculettes"_qs, u"PanelListe"_qs})) << calculator;
        QStringList keys = stops.mid(5, stops.size() - 7).filter(QRegularExpression(QStringLiteral("^(?!Rbtn)")));
        EXPECT_EQ(keys.front(), QStringLiteral("PCalculatrice7")) << calculator;
        QStringList pressable;
        for (const QPushButton* key : window->findChildren<QPushButton*>()) {
            if (key->isVisible() && key->isEnabled() && !kMenuBar.contains(key->objectName()))
                pressable << key->objectName();
        }
        keys.sort();
        pressable.sort();
        EXPECT_EQ(keys, pressable) << calculator;
    }
}

// Space presses the focused key, which keeps the focus; the other keys keep their meaning.
// A sub-calculation from the keyboard alone: Shift+Tab reaches the list, the arrows choose,
// Space opens, Return computes and Space on "Ok" hands the result back. The chosen row
// tells a screen reader it has the focus only while the list has it.
TEST_F(KeyboardWindow, KeysAndSubCalculationsFromTheKeyboardAlone)
{
    Start();
    ASSERT_TRUE(TabTo(u"PCalculatrice7"_qs));
    Press(Qt::Key_Space, 2);
    EXPECT_EQ(Focused(), QStringLiteral("PCalculatrice7"));
    ASSERT_TRUE(TabTo(u"PCalculatriceMult"_qs));
    Press(Qt::Key_Space);
    Press(Qt::Key_2);
    EXPECT_EQ(Focused(), QStringLiteral("PanelListe"));
    ASSERT_TRUE(TabTo(u"PCalculatriceEgal"_qs));
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(0), QStringLiteral("154"));
    Press(Qt::Key_Escape);

    QTest::keyClick(Keyboard(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(Focused(), QStringLiteral("LbCalculettes"));
    auto* list = Find<QListWidget>(QStringLiteral("LbCalculettes"));
    const QString circle = Seen(*engine).screen.CalculatorName(1);
    for (int i = 0; i < list->count() && list->currentItem()->text() != circle; ++i)
        Press(Qt::Key_Down);
    EXPECT_EQ(FocusedRows(list), QStringList{circle});
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedRows(list), QStringList());
    Press(Qt::Key_Tab, 1, Qt::ShiftModifier);
    ASSERT_EQ(FocusedRows(list), QStringList{circle});
    Press(Qt::Key_Space);
    ASSERT_EQ(engine->Window().visiblePanel, 1);
    Press(Qt::Key_2);
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(1), QStringLiteral("6,28318530717959"));
    ASSERT_TRUE(TabTo(u"POk1"_qs));
    Press(Qt::Key_Space);
    EXPECT_EQ(engine->Window().visiblePanel, 0);
    EXPECT_EQ(Result(0), QStringLiteral("6,28318530717959"));
    EXPECT_EQ(Focused(), QStringLiteral("PanelListe"));
}

// The focus comes into the "Sous calcul" list on its chosen row (the first while none is
// chosen), which shows chosen there; the first Down goes on to the row after it.
TEST_F(KeyboardWindow, SubCalculationListShowsWhereTheFocusComesIn)
{
    Start();
    auto* list = Find<QListWidget>(QStringLiteral("LbCalculettes"));
    const auto shown = [list] {
        QList<int> rows;
        for (const QListWidgetItem* item : list->selectedItems())
            rows << list->row(item);
        return rows;
    };
    for (const int clicked : {-1, 3}) {
        SCOPED_TRACE(clicked);
        if (clicked >= 0) {
            // A click chooses the row and leaves the focus at home.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(clicked)).center());
            ASSERT_EQ(Focused(), QStringLiteral("PanelListe"));
        }
        const int entered = std::max(clicked, 0);
        QTest::keyClick(Keyboard(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(Focused(), QStringLiteral("LbCalculettes"));
        EXPECT_EQ(list->currentRow(), entered);
        EXPECT_EQ(shown(), QList<int>{entered});
        EXPECT_EQ(FocusedRows(list), QStringList{list->item(entered)->text()});
        Press(Qt::Key_Down);
        EXPECT_EQ(list->currentRow(), entered + 1);
        EXPECT_EQ(shown(), QList<int>{entered + 1});
        Press(Qt::Key_Tab);
    }
}

// Tab enters the option buttons on the checked one, where Space changes nothing and the
// arrows choose another; the stop follows the check that C gives back to the first.
TEST_F(KeyboardWindow, OptionButtonsOfACalculatorFromTheKeyboard)
{
    Start();
    Open(21);
    QTest::keyClicks(Keyboard(), QStringLiteral("500&400&20&35="));
    EXPECT_EQ(TabCycle().filter(QStringLiteral("Rbtn")), QStringList{QStringLiteral("RbtnTuiles")});
    Press(Qt::Key_Tab, 6);
    Press(Qt::Key_Space);
    EXPECT_EQ(Focused(), QStringLiteral("RbtnTuiles"));
    EXPECT_EQ(Formula(21), QStringLiteral("Tuiles(500&400&20&35)=320"));
    Press(Qt::Key_Down);
    EXPECT_EQ(Formula(21), u"Linéaire(500&400&20&35)=6400"_qs);
    EXPECT_EQ(Focused(), QStringLiteral("RbtnLiteaux"));
    Press(Qt::Key_Escape);
    EXPECT_EQ(TabCycle().filter(QStringLiteral("Rbtn")), QStringList{QStringLiteral("RbtnTuiles")});
}

// The fields' menus keep Qt's items (select all selects all) but show no shortcut: the
// window's keys do something else (Ctrl+A opens the help page).
TEST_F(KeyboardWindow, FieldMenusShowNoShortcut)
{
    Start();
    QTest::keyClicks(Keyboard(), QStringLiteral("12+30"));
    auto* result = Find<QLineEdit>(QStringLiteral("EdtCalculetteRes0"));
    auto* formula = Find<QPlainTextEdit>(QStringLiteral("EdtFormule0"));
    for (QWidget* receiver : {static_cast<QWidget*>(result), formula->viewport()}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), receiver->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(receiver, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* item : menu->actions()) {
            EXPECT_FALSE(item->text().contains(QLatin1Char('\t'))) << item->text().toStdString();
            if (item->isEnabled())
                item->trigger();
        }
        menu->close();
    }
    EXPECT_EQ(result->selectedText(), QStringLiteral("30"));
    EXPECT_EQ(formula->textCursor().selectedText(), QStringLiteral("12+30"));
}

// The option windows open on the checked button of each group, Tab goes through the
// checked buttons and OK, Space keeps the choice and Return presses OK.
TEST(OptionWindowKeys, OpenOnTheCheckedButtonsAndReturnPressesOk)
{
    StringTable strings;
    FakeUi ui;
    Engine engine(AllCalculators(), strings, ui, QStringLiteral(","));
    const auto check = [](QDialog& window, const QStringList& stops, const std::function<QString()>& choice) {
        const QString before = choice();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(Focused(), stops.back());
        EXPECT_EQ(TabCycle(), stops);
        Press(Qt::Key_Space);
        Press(Qt::Key_Return);
        EXPECT_EQ(window.result(), QDialog::Accepted);
        EXPECT_EQ(choice(), before);
    };
    for (const int unit : {1, 2}) { // centimetres, metres
        TFOptions window(strings, [&engine](int keyCode, bool ctrl) { return engine.UnitWindowKeyDown(keyCode, ctrl); });
        window.SetUnitRow(unit);
        window.SetDisplayRow(1);
        check(window, {u"RgAffUnite_1"_qs, u"BtnOk"_qs, QStringLiteral("RgUnites_%1").arg(unit)},
              [&] { return QStringLiteral("%1 %2").arg(window.UnitRow()).arg(window.DisplayRow()); });
    }
    for (const bool resizable : {true, false}) {
        TFOptionAffichage window(strings);
        window.CheckButton(resizable);
        check(window, {u"BtnOk"_qs, resizable ? u"RdbtnRedim"_qs : u"RdbtnNonRedim"_qs},
              [&] { return window.BehaviourChoice(); });
    }
}
