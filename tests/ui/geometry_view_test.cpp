// Geometry calculators driven through the main window's real buttons, keys and lists.

#include "tests/ui/window_fixture.h"

#include <QComboBox>

using namespace tornavel;

namespace {

struct GeometryWindow : tornavel::testing::WindowFixture<> {
    void SetUp() override { Start(); }
};

TEST_F(GeometryWindow, CircleAreaAsASubCalculationOfTheStandardCalculator)
{
    Open(0);
    ClickKeys(QStringLiteral("2"));
    Click(QStringLiteral("PCalculatriceMult"));
    DoubleClickOffered(3);
    ASSERT_TRUE(Find(QStringLiteral("PCalculette3"))->isVisible());
    EXPECT_EQ(Prompt(3), QStringLiteral("Diamètre"));

    ClickKeys(QStringLiteral("10"));
    Click(QStringLiteral("PCalcul3"));
    EXPECT_EQ(Result(3), QStringLiteral("78,5398163397448"));
    EXPECT_EQ(Formula(3), QStringLiteral("Surface(10)=78,5398163397448"));
    EXPECT_EQ(Prompt(3), QStringLiteral("Surface"));

    Click(QStringLiteral("POk3"));
    ASSERT_TRUE(Find(QStringLiteral("PCalculette0"))->isVisible());
    EXPECT_EQ(Formula(0), QStringLiteral("2*78,5398163397448"));
    EXPECT_EQ(Result(0), QStringLiteral("78,5398163397448"));
    Click(QStringLiteral("PCalculatriceEgal"));
    EXPECT_EQ(Result(0), QStringLiteral("157,07963267949"));
}

TEST_F(GeometryWindow, TrapeziumFromTheKeyboard)
{
    Open(9);
    EXPECT_EQ(Prompt(9), QStringLiteral("Grande base"));
    QTest::keyClicks(Keyboard(), QStringLiteral("12&5"));
    EXPECT_EQ(Prompt(9), QStringLiteral("Petite base"));
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PCalcul9"))->isEnabled());
    QTest::keyClicks(Keyboard(), QStringLiteral("&3"));
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("PCalcul9"))->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PEt9"))->isEnabled());
    QTest::keyClick(Keyboard(), Qt::Key_Return);
    EXPECT_EQ(Formula(9), QStringLiteral("Surface(12&5&3)=25,5"));
    EXPECT_EQ(Result(9), QStringLiteral("25,5"));

    // CE reopens the height; "f=" computes the same again.
    QTest::keyClick(Keyboard(), Qt::Key_Backspace);
    EXPECT_EQ(Formula(9), QStringLiteral("12&5&3"));
    EXPECT_EQ(Prompt(9), QStringLiteral("Hauteur"));
    Click(QStringLiteral("PCalcul9"));
    EXPECT_EQ(Formula(9), QStringLiteral("Surface(12&5&3)=25,5"));

    // A short base as long as the long base is refused with the message window.
    Click(QStringLiteral("CalculatriceC"));
    ClickKeys(QStringLiteral("12"));
    Click(QStringLiteral("PEt9"));
    ClickKeys(QStringLiteral("12"));
    Click(QStringLiteral("PEt9"));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Erreur de saisie : Valeur non valide !")});
    EXPECT_EQ(Formula(9), QStringLiteral("12&"));
    EXPECT_EQ(Result(9), QStringLiteral("0"));
}

TEST_F(GeometryWindow, PolygonSidesArePickedInItsList)
{
    Open(20);
    auto* next = Find<QPushButton>(QStringLiteral("PEt20"));
    EXPECT_EQ(next->text(), QStringLiteral("&&"));
    EXPECT_EQ(next->toolTip(), QStringLiteral("Cliquez sur & pour saisir le terme suivant du calcul"));
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("PCalcul20"))->text(), QStringLiteral("f="));
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("PCalcul20"))->toolTip(), QStringLiteral("Exécute le calcul"));
    auto* list = Find<QComboBox>(QStringLiteral("ListBox20"));
    auto* result = Find<QLineEdit>(QStringLiteral("EdtCalculetteRes20"));
    ClickKeys(QStringLiteral("10"));
    Click(QStringLiteral("PEt20"));
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(result->isVisible());
    // The list takes the place of the result field (moved right only as far as the
    // prompt beside it needs).
    EXPECT_EQ(list->geometry(), result->geometry());
    EXPECT_GE(list->x(), 123);
    EXPECT_EQ(list->y(), 8);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(Prompt(20), QStringLiteral("Nombre de cotés"));
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PMR20"))->isEnabled());

    // Down picks "5", then "6", which replaces it.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Formula(20), QStringLiteral("10&5"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Formula(20), QStringLiteral("10&6"));

    Click(QStringLiteral("PCalcul20"));
    EXPECT_EQ(Formula(20), QStringLiteral("Surface(10&6)=260"));
    EXPECT_EQ(Result(20), QStringLiteral("260"));
    EXPECT_TRUE(result->isVisible());
    EXPECT_FALSE(list->isVisible());

    // CE shows the list again with the row that gave the result.
    Click(QStringLiteral("CalculatriceCE"));
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentIndex(), 1);
}

} // namespace
