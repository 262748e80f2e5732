// The finishing calculators 25 to 31 on the real window: their lists chosen with the
// keyboard, their option buttons clicked with the mouse.

#include "tests/ui/window_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>

using namespace tornavel;

namespace {

struct FinishingWindow : tornavel::testing::WindowFixture<> {
    void SetUp() override { Start(); }

    void Keys(const QString& keys) { QTest::keyClicks(Keyboard(), keys); }
    void Press(Qt::Key key) { QTest::keyClick(Keyboard(), key); }
    QComboBox* List(int n) { return Find<QComboBox>(QStringLiteral("ListBox%1").arg(n)); }
    QLineEdit* ResultField(int n) { return Find<QLineEdit>(QStringLiteral("EdtCalculetteRes%1").arg(n)); }
    QRadioButton* Option(const QString& name) { return Find<QRadioButton>(name); }
    void ClickOption(const QString& name) { QTest::mouseClick(Option(name), Qt::LeftButton); }
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
    // The captions of the option buttons, in order.
    QStringList Captions(std::initializer_list<const char*> names)
    {
        QStringList captions;
        for (const char* name : names)
            captions << Option(QString::fromLatin1(name))->text();
        return captions;
    }
};

TEST_F(FinishingWindow, CeilingPaintSurfaceTypeChosenInTheList)
{
    Open(25);
    EXPECT_EQ(Prompt(25), QStringLiteral("Surface (cm2)"));
    Keys(QStringLiteral("12&"));
    EXPECT_TRUE(List(25)->isVisible());
    EXPECT_FALSE(ResultField(25)->isVisible());
    EXPECT_EQ(List(25)->count(), 5);
    EXPECT_EQ(List(25)->currentIndex(), -1);
    ChooseInPopup(25, 1);
    ChooseInPopup(25, 4);
    EXPECT_EQ(Formula(25), QStringLiteral("12&Plâtre"));
    Keys(QStringLiteral("&"));
    EXPECT_TRUE(ResultField(25)->isVisible());
    EXPECT_EQ(Prompt(25), QStringLiteral("Rendement (cm2/l)"));
    // CE right after "&&" opens the list again on the choice.
    Press(Qt::Key_Backspace);
    EXPECT_TRUE(List(25)->isVisible());
    EXPECT_EQ(List(25)->currentIndex(), 4);
    Keys(QStringLiteral("&10&2"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(25), QStringLiteral("Peinture(12&Plâtre&10&2)=2,4"));
    EXPECT_EQ(Prompt(25), QStringLiteral("Peinture (litres)"));
}

TEST_F(FinishingWindow, WallPaintSurfaceTypeWithTheArrowKeys)
{
    Open(26);
    Keys(QStringLiteral("30&4&"));
    EXPECT_EQ(Prompt(26), QStringLiteral("Type surface"));
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_EQ(Formula(26), QStringLiteral("30&4&Parpaing"));
    Keys(QStringLiteral("&10&2"));
    Click(QStringLiteral("PCalcul26"));
    EXPECT_EQ(Formula(26), QStringLiteral("Peinture(30&4&Parpaing&10&2)=15,6"));
    EXPECT_EQ(Result(26), QStringLiteral("15,6"));
}

TEST_F(FinishingWindow, WallpaperOnTheKeypadButtons)
{
    Open(27);
    EXPECT_EQ(Prompt(27), QStringLiteral("Longueur mur (cm)"));
    for (const QString& input : {QStringLiteral("400"), QStringLiteral("250"), QStringLiteral("1000"),
                                 QStringLiteral("53")}) {
        ClickKeys(input);
        Click(QStringLiteral("PEt27"));
    }
    EXPECT_EQ(Prompt(27), QStringLiteral("Suppléments (cm)"));
    ClickKeys(QStringLiteral("10"));
    Click(QStringLiteral("PCalcul27"));
    EXPECT_EQ(Formula(27), QStringLiteral("Rouleaux(400&250&1000&53&10)=3"));
    EXPECT_EQ(Prompt(27), QStringLiteral("Rouleaux"));

    // No strip fits the roll: the error box, not an infinity.
    Press(Qt::Key_Escape);
    Keys(QStringLiteral("400&250&250&53&0"));
    Press(Qt::Key_Return);
    ASSERT_EQ(ui.boxes.size(), 1);
    EXPECT_EQ(ui.boxes.front().text, QStringLiteral("Division par zéro en virgule flottante."));
    EXPECT_EQ(Formula(27), QStringLiteral("400&250&250&53&0"));
}

TEST_F(FinishingWindow, PanellingOptionIsSharedByTheTwoPanellingCalculators)
{
    Open(28);
    EXPECT_EQ(Captions({"RbtnLambris", "Rbtnlattes", "RbtnClips"}),
              (QStringList{QStringLiteral("Lambris"), QStringLiteral("Lattes"), QStringLiteral("Clips")}));
    EXPECT_TRUE(Option(QStringLiteral("RbtnLambris"))->isChecked());
    Keys(QStringLiteral("300&250&10"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(28), QStringLiteral("Linéaire(300&250&10)=7680"));
    ClickOption(QStringLiteral("Rbtnlattes"));
    EXPECT_EQ(Formula(28), QStringLiteral("Linéaire(300&250&10)=1800"));
    ClickOption(QStringLiteral("RbtnClips"));
    EXPECT_EQ(Formula(28), QStringLiteral("Clips(300&250&10)=150"));
    EXPECT_EQ(Prompt(28), QStringLiteral("Clips"));

    Open(29);
    EXPECT_EQ(Captions({"RbtnLambrisP", "RbtnlattesP", "RbtnClipsP"}),
              (QStringList{QStringLiteral("Lambris"), QStringLiteral("Lattes"), QStringLiteral("Clips")}));
    EXPECT_TRUE(Option(QStringLiteral("RbtnClipsP"))->isChecked());
    Keys(QStringLiteral("600&400&250&10"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(29), QStringLiteral("Clips(600&400&250&10)=390"));
    ClickOption(QStringLiteral("RbtnLambrisP"));
    EXPECT_EQ(Formula(29), QStringLiteral("Linéaire(600&400&250&10)=20010"));
    EXPECT_EQ(Prompt(29), QStringLiteral("Linéaire (cm)"));

    Open(28);
    EXPECT_TRUE(Option(QStringLiteral("RbtnLambris"))->isChecked());
    EXPECT_FALSE(Option(QStringLiteral("RbtnClips"))->isChecked());
}

TEST_F(FinishingWindow, ParquetPatternAndJoists)
{
    Open(30);
    EXPECT_EQ(Captions({"RbtnParquet", "RbtnLambourdes"}),
              (QStringList{QStringLiteral("Parquet"), QStringLiteral("Lambourdes")}));
    Keys(QStringLiteral("500&400&"));
    EXPECT_TRUE(List(30)->isVisible());
    EXPECT_EQ(List(30)->count(), 2);
    ChooseInPopup(30, 1);
    EXPECT_EQ(Formula(30), QStringLiteral("500&400&Pose diagonale"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(30), QStringLiteral("Surface(500&400&Pose diagonale)=220000"));
    EXPECT_TRUE(ResultField(30)->isVisible());
    EXPECT_FALSE(List(30)->isVisible());
    // The keypad is off while the result is shown.
    EXPECT_FALSE(Find<QPushButton>(QStringLiteral("PMR30"))->isEnabled());
    Keys(QStringLiteral("5"));
    EXPECT_EQ(Formula(30), QStringLiteral("Surface(500&400&Pose diagonale)=220000"));
    ClickOption(QStringLiteral("RbtnLambourdes"));
    EXPECT_EQ(Formula(30), QStringLiteral("Linéaire(500&400&Pose diagonale)=5000"));
    EXPECT_EQ(Prompt(30), QStringLiteral("Linéaire (cm)"));
    // CE shows the list again, its choice kept.
    Press(Qt::Key_Backspace);
    EXPECT_TRUE(List(30)->isVisible());
    EXPECT_EQ(List(30)->currentIndex(), 1);
}

TEST_F(FinishingWindow, StairsOptionButtons)
{
    Open(31);
    EXPECT_EQ(Captions({"RbtnHauteur", "RbtnNombre", "RbtnRecul"}),
              (QStringList{QStringLiteral("Hauteur"), QStringLiteral("Nombre"), QStringLiteral("Reculement")}));
    Keys(QStringLiteral("272&25"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Formula(31), QStringLiteral("Hauteur marches(272&25)=17"));
    ClickOption(QStringLiteral("RbtnNombre"));
    EXPECT_EQ(Formula(31), QStringLiteral("Marches(272&25)=16"));
    EXPECT_EQ(Prompt(31), QStringLiteral("Marches"));
    ClickOption(QStringLiteral("RbtnRecul"));
    EXPECT_EQ(Result(31), QStringLiteral("375"));
    EXPECT_EQ(Prompt(31), QStringLiteral("Reculement (cm)"));
    EXPECT_TRUE(Option(QStringLiteral("RbtnRecul"))->isChecked());
}

TEST_F(FinishingWindow, EveryOptionCaptionFitsItsButtonInsideTheButtonPanel)
{
    for (int n = 0; n < CalculatorCount; ++n) {
        Open(n);
        QWidget* operators = Find(QStringLiteral("POperateurs%1").arg(n));
        const QList<QRadioButton*> options = operators->findChildren<QRadioButton*>();
        for (QRadioButton* option : options) {
            SCOPED_TRACE(option->objectName().toStdString());
            EXPECT_GE(option->width(), option->sizeHint().width());
            EXPECT_TRUE(operators->rect().contains(option->geometry()));
            for (QRadioButton* other : options)
                EXPECT_TRUE(other == option || !other->geometry().intersects(option->geometry()));
        }
    }
}

} // namespace
