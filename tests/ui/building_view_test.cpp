// The building calculators on the real window: lists chosen with the keyboard, option
// buttons clicked with the mouse.

#include "tests/ui/window_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>

using namespace tornavel;

namespace {

struct BuildingWindow : tornavel::testing::WindowFixture<> {
    void SetUp() override { Start(); }

    void Keys(const QString& keys) { QTest::keyClicks(Keyboard(), keys); }
    void Press(Qt::Key key) { QTest::keyClick(Keyboard(), key); }
    QComboBox* List(int n) { return Find<QComboBox>(QStringLiteral("ListBox%1").arg(n)); }
    QLineEdit* ResultField(int n) { return Find<QLineEdit>(QStringLiteral("EdtCalculetteRes%1").arg(n)); }
    void ClickOption(const QString& name) { QTest::mouseClick(Find<QRadioButton>(name), Qt::LeftButton); }
    // Opens the list with F4, goes to row `row` and chooses it with Enter.
    void ChooseInPopup(int n, int row)
    {
        Press(Qt::Key_F4);
        QAbstractItemView* view = List(n)->view();
        ASSERT_TRUE(view->isVisible());
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
    }
};

TEST_F(BuildingWindow, RafterSectionLoadClassWithTheArrowKeys)
{
    Open(17);
    EXPECT_EQ(Prompt(17), QStringLiteral("Portée (cm)"));
    Keys(QStringLiteral("300&"));
    QComboBox* list = List(17);
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(ResultField(17)->isVisible());
    EXPECT_EQ(list->geometry(), QRect(123, 8, 160, 21));
    EXPECT_EQ(list->count(), 3);
    // Each arrow key chooses the row it moves to, which replaces the previous choice.
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(Formula(17), QStringLiteral("300&250"));
    Keys(QStringLiteral("&60"));
    EXPECT_FALSE(list->isVisible());
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(17), QStringLiteral("Section(300&250&60)=8/14"));
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PMR17"))->isEnabled());
}

TEST_F(BuildingWindow, RafterSpacingChosenInTheOpenListWithEnter)
{
    Open(18);
    Keys(QStringLiteral("300&"));
    ChooseInPopup(18, 1);
    EXPECT_EQ(Formula(18), QStringLiteral("300&250"));
    Keys(QStringLiteral("&"));
    EXPECT_EQ(Prompt(18), QStringLiteral("Section (cm)"));
    EXPECT_EQ(List(18)->count(), 7);
    ChooseInPopup(18, 4);
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(18), QStringLiteral("Ecartement(300&250&8/14)=65"));
    EXPECT_TRUE(ResultField(18)->isVisible());
    EXPECT_FALSE(List(18)->isVisible());

    // No answer: "#NV" and the message.
    Press(Qt::Key_Backspace);
    EXPECT_TRUE(List(18)->isVisible());
    EXPECT_EQ(List(18)->currentIndex(), 4);
    QTest::keyClick(List(18), Qt::Key_Home);
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(18), QStringLiteral("#NV"));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Aucun résultat valide pour ces paramètres !")});
}

TEST_F(BuildingWindow, TileGaugeOnTheKeypadButtons)
{
    Open(19);
    ClickKeys(QStringLiteral("50"));
    Click(QStringLiteral("PEt19"));
    ClickKeys(QStringLiteral("10"));
    Click(QStringLiteral("PCalcul19"));
    EXPECT_EQ(Formula(19), QStringLiteral("Pureau(50&10)=20"));
    EXPECT_EQ(Prompt(19), QStringLiteral("Pureau (cm)"));
}

TEST_F(BuildingWindow, RoofOptionButtonsSwitchTheShownResult)
{
    Open(21);
    EXPECT_EQ(Find<QRadioButton>(QStringLiteral("RbtnTuiles"))->text(), QStringLiteral("Tuiles"));
    EXPECT_EQ(Find<QRadioButton>(QStringLiteral("RbtnLiteaux"))->text(), QStringLiteral("Liteaux"));
    Keys(QStringLiteral("500&400&20&35="));
    EXPECT_EQ(Formula(21), QStringLiteral("Tuiles(500&400&20&35)=320"));
    ClickOption(QStringLiteral("RbtnLiteaux"));
    EXPECT_EQ(Formula(21), QStringLiteral("Linéaire(500&400&20&35)=6400"));
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("RbtnLiteaux"))->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(QStringLiteral("RbtnTuiles"))->isChecked());
    // C turns the tiles back on.
    Press(Qt::Key_Escape);
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("RbtnTuiles"))->isChecked());
}

TEST_F(BuildingWindow, ConcreteKindAndIngredient)
{
    Open(23);
    Keys(QStringLiteral("2000000&"));
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(Formula(23), QStringLiteral("2000000&Mortier"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(23), QStringLiteral("Ciment(2000000&Mortier)=700"));
    ClickOption(QStringLiteral("RbtnEau"));
    EXPECT_EQ(Formula(23), QStringLiteral("Eau(2000000&Mortier)=500000"));
    EXPECT_EQ(Find<QRadioButton>(QStringLiteral("RbtnEau"))->text(), QStringLiteral("Eau"));
}

TEST_F(BuildingWindow, SlabsGlueChosenBeforeTheResult)
{
    Open(24);
    ClickOption(QStringLiteral("RbtnColle"));
    EXPECT_TRUE(Formula(24).isEmpty());
    Keys(QStringLiteral("100000&30&30="));
    EXPECT_EQ(Formula(24), QStringLiteral("Colle(100000&30&30)=20"));
    ClickOption(QStringLiteral("RbtnDalles"));
    EXPECT_EQ(Result(24), QStringLiteral("112"));

    // A zero slab side typed on the keyboard: the error box, once, not an infinity.
    Press(Qt::Key_Escape);
    Keys(QStringLiteral("100&0&5="));
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes.front().text, QStringLiteral("Division par zéro en virgule flottante."));
    EXPECT_EQ(Formula(24), QStringLiteral("100&0&5"));
}

} // namespace
