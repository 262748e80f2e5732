// The electrical calculators and the converters on the real window: the circuit and
// material lists chosen in their open list, the option buttons clicked with the mouse,
// and the section of the circuit calculator handed back to the conductor length.

#include "tests/ui/window_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>

using namespace tornavel;

namespace {

struct ElectricalWindow : tornavel::testing::WindowFixture<> {
    void SetUp() override { Start(); }

    void Keys(const QString& keys) { QTest::keyClicks(Keyboard(), keys); }
    void Press(Qt::Key key) { QTest::keyClick(Keyboard(), key); }
    QComboBox* List(int n) { return Find<QComboBox>(QStringLiteral("ListBox%1").arg(n)); }
    QRadioButton* Option(const char* name) { return Find<QRadioButton>(QString::fromLatin1(name)); }
    void ClickOption(const char* name) { QTest::mouseClick(Option(name), Qt::LeftButton); }
    // Opens the list with F4, walks down to the row that shows `text` and chooses it
    // with Enter.
    void Choose(int n, const QString& text)
    {
        const int row = List(n)->findText(text);
        ASSERT_GE(row, 0) << text.toStdString();
        Press(Qt::Key_F4);
        QAbstractItemView* view = List(n)->view();
        ASSERT_TRUE(view->isVisible());
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
        EXPECT_EQ(List(n)->currentText(), text);
    }
};

TEST_F(ElectricalWindow, CircuitListAndItsThreeOptions)
{
    Open(33);
    QComboBox* list = List(33);
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(Find<QLineEdit>(QStringLiteral("EdtCalculetteRes33"))->isVisible());
    EXPECT_EQ(list->count(), 18);
    EXPECT_EQ(Prompt(33), QStringLiteral("Nature circuit"));
    Choose(33, QStringLiteral("Prises de courant 16 A"));
    EXPECT_EQ(Formula(33), QStringLiteral("Prises 16A"));
    Keys(QStringLiteral("&"));
    EXPECT_EQ(Prompt(33), QStringLiteral("Nombre prises"));
    EXPECT_EQ(list->count(), 8);
    Choose(33, QStringLiteral("5"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(33), QStringLiteral("Section(Prises 16A&5)=1,5"));
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(Option("RbtnSection")->isChecked());

    ClickOption("RbtnFusible");
    EXPECT_EQ(Result(33), QStringLiteral("#NV"));
    EXPECT_EQ(Formula(33), QStringLiteral("Fusible(Prises 16A&5)=#NV"));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Aucun résultat valide pour ces paramètres !")});
    ClickOption("RbtnDisjoncteur");
    EXPECT_EQ(Formula(33), QStringLiteral("Disjoncteur(Prises 16A&5)=16"));
    EXPECT_TRUE(Option("RbtnDisjoncteur")->isChecked());
    EXPECT_FALSE(Option("RbtnFusible")->isChecked());

    // The resistance calculator lacks the breaker: it opens with its power on.
    Open(32);
    EXPECT_TRUE(Option("RbtnPuissance")->isChecked());
    EXPECT_FALSE(Option("RbtnResistance")->isChecked());
    Keys(QStringLiteral("230&10="));
    EXPECT_EQ(Formula(32), QStringLiteral("Puissance(230&10)=2300"));
    ClickOption("RbtnResistance");
    EXPECT_EQ(Prompt(32), QStringLiteral("Resistance (ohm)"));
    EXPECT_EQ(Result(32), QStringLiteral("23"));
}

TEST_F(ElectricalWindow, MaterialListOfEveryMaterial)
{
    Open(35);
    QComboBox* list = List(35);
    EXPECT_EQ(list->count(), 107);
    // The last row, and then the one whose name holds parentheses, which replaces it.
    Choose(35, list->itemText(list->count() - 1));
    Choose(35, QStringLiteral("Pin des landes (germé)"));
    EXPECT_EQ(Formula(35), QStringLiteral("Pin des landes (germé)"));
    Keys(QStringLiteral("&2&"));
    EXPECT_EQ(list->count(), 3);
    Choose(35, QStringLiteral("m3"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(35), QStringLiteral("Poids(Pin des landes (germé)&2&m3)=") + Result(35));
    EXPECT_EQ(Prompt(35), QStringLiteral("Poids (kg)"));
    // CE puts the whole terms back and the unit list with its choice.
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Formula(35), QStringLiteral("Pin des landes (germé)&2&m3"));
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentText(), QStringLiteral("m3"));
}

TEST_F(ElectricalWindow, ConverterOptionsFollowTheSharedTarget)
{
    Open(38);
    ClickOption("RbtnM3_2");
    // The temperature converter has no fourth unit: its Celsius stands for it.
    Open(37);
    EXPECT_TRUE(Option("RbtnCelsius")->isChecked());
    EXPECT_FALSE(Option("RbtnKelvin")->isChecked());
    EXPECT_FALSE(Option("RbtnFahrenheit")->isChecked());
    Choose(37, QStringLiteral("Fahrenheit"));
    Keys(QStringLiteral("&212="));
    EXPECT_EQ(Formula(37), QStringLiteral("Température(Fahrenheit&212)=100"));
    ClickOption("RbtnKelvin");
    EXPECT_EQ(Prompt(37), QStringLiteral("Température (°K)"));
    EXPECT_EQ(Result(37), QStringLiteral("373,15"));
    // Kelvin is the cubic metre of the weight-to-volume converter.
    Open(36);
    EXPECT_TRUE(Option("RbtnM3_1"));
    EXPECT_TRUE(Option("RbtnM3_1")->isChecked());
    EXPECT_FALSE(Option("RbtnDm3_1")->isChecked());
}

TEST_F(ElectricalWindow, TheCircuitSectionComesBackIntoTheConductorLengthWithOk)
{
    Open(34);
    Keys(QStringLiteral("230&16&"));
    EXPECT_EQ(Prompt(34), QStringLiteral("Section fil (mm2)"));
    DoubleClickOffered(33);
    ASSERT_TRUE(List(33)->isVisible());
    Choose(33, QStringLiteral("Prises de courant 16 A"));
    Keys(QStringLiteral("&"));
    Choose(33, QStringLiteral("6"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Result(33), QStringLiteral("2,5"));
    Click(QStringLiteral("POk33"));
    EXPECT_TRUE(Find<QWidget>(QStringLiteral("PCalculette34"))->isVisible());
    EXPECT_EQ(Result(34), QStringLiteral("2,5"));
    EXPECT_EQ(Formula(34), QStringLiteral("230&16&2,5"));
    Keys(QStringLiteral("&3&"));
    Choose(34, QStringLiteral("Monophasé"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(34), QStringLiteral("Longueur(230&16&2,5&3&Monophasé)=30,8"));
    EXPECT_EQ(Prompt(34), QStringLiteral("Longueur max (m)"));
}

// A property of every calculator: its option buttons show their captions whole, inside
// the keys' panel, and none covers another.
TEST_F(ElectricalWindow, EveryOptionCaptionShowsWhole)
{
    int buttons = 0;
    for (int n = 0; n < CalculatorCount; ++n) {
        Open(n);
        const QWidget* keys = Find(QStringLiteral("POperateurs%1").arg(n));
        const QList<QRadioButton*> radios = keys->findChildren<QRadioButton*>();
        for (const QRadioButton* radio : radios) {
            SCOPED_TRACE(radio->objectName().toStdString());
            ++buttons;
            EXPECT_GE(radio->width(), radio->sizeHint().width());
            EXPECT_TRUE(keys->rect().contains(radio->geometry()));
            for (const QRadioButton* other : radios)
                EXPECT_TRUE(other == radio || !other->geometry().intersects(radio->geometry()));
        }
    }
    EXPECT_GT(buttons, 0);
}

} // namespace
