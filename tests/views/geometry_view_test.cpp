// Geometry calculators driven through the main window's real buttons, keys and lists.

#include "core/engine.h"
#include "core/menus.h"
#include "core/window/tornavel_window.h"
#include "tests/support/fake_ui.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tornavel;

namespace {

struct GeometryWindow : ::testing::Test {
    QTemporaryDir dir;
    StringTable strings;
    FakeUi ui;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<TFTornavel> window;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        engine = std::make_unique<Engine>(strings, ui, QStringLiteral(","));
        engine->OptionsFilePath = dir.filePath(QStringLiteral("Options.dat"));
        engine->HistoryFilePath = dir.filePath(QStringLiteral("CLS.dat"));
        window = std::make_unique<TFTornavel>(*engine, ui, dir.filePath(QStringLiteral("tornavel.ini")),
                                              QStringLiteral(","));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Panels not on screen are built after the first paint.
        QElapsedTimer limit;
        limit.start();
        while (!window->findChild<QWidget*>(QStringLiteral("PCalculette39")) && limit.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ASSERT_NE(window->findChild<QWidget*>(QStringLiteral("PCalculette39")), nullptr);
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString Result(int n) const { return Find<QLineEdit>(QStringLiteral("EdtCalculetteRes%1").arg(n))->text(); }
    QString Formula(int n) const
    {
        return Find<QPlainTextEdit>(QStringLiteral("EdtFormule%1").arg(n))->toPlainText();
    }
    QString Prompt(int n) const { return Find<QLabel>(QStringLiteral("LblResultat%1").arg(n))->text(); }
    void Click(const QString& name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    void ClickDigits(const QString& digits)
    {
        for (const QChar d : digits)
            Click(d == QLatin1Char(',') ? QStringLiteral("PCalculatriceVirgule") : QStringLiteral("PCalculatrice%1").arg(d));
    }
    QWidget* Keyboard() const { return Find(QStringLiteral("PanelListe")); }
    void Open(int calculator)
    {
        Find<QAction>(QStringLiteral("Calculette%1").arg(MenuItemOfCalculator(calculator)))->trigger();
    }
    void DoubleClickOffered(int calculator)
    {
        auto* list = Find<QListWidget>(QStringLiteral("LbCalculettes"));
        const auto items = list->findItems(engine->CalculatorName(calculator), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        const QRect rect = list->visualItemRect(items.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(GeometryWindow, CircleAreaAsASubCalculationOfTheStandardCalculator)
{
    Open(0);
    ClickDigits(QStringLiteral("2"));
    Click(QStringLiteral("PCalculatriceMult"));
    DoubleClickOffered(3);
    ASSERT_TRUE(Find(QStringLiteral("PCalculette3"))->isVisible());
    EXPECT_EQ(Prompt(3), QStringLiteral("Diamètre"));

    ClickDigits(QStringLiteral("10"));
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
    ClickDigits(QStringLiteral("12"));
    Click(QStringLiteral("PEt9"));
    ClickDigits(QStringLiteral("12"));
    Click(QStringLiteral("PEt9"));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Erreur de saisie : Valeur non valide !")});
    EXPECT_EQ(Formula(9), QStringLiteral("12&"));
    EXPECT_EQ(Result(9), QStringLiteral("0"));
}

TEST_F(GeometryWindow, PolygonSidesArePickedInItsList)
{
    Open(20);
    auto* list = Find<QComboBox>(QStringLiteral("ListBox20"));
    auto* result = Find<QLineEdit>(QStringLiteral("EdtCalculetteRes20"));
    ClickDigits(QStringLiteral("10"));
    Click(QStringLiteral("PEt20"));
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(result->isVisible());
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
