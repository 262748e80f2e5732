#include "core/calcerror.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "core/engine.h"
#include "core/menus.h"
#include "core/options_file.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

QByteArray Int32(qint32 v)
{
    char buf[4];
    qToLittleEndian<qint32>(v, buf);
    return QByteArray(buf, 4);
}

struct UserOptions : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Options.dat"));
    // The options file on its own, for the tests of its bytes.
    OptionsStore store{engine.Descriptions()};

    UserOptions() { engine.FormCreate(QStringLiteral("O")); }

    void Write(const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

// ---- Options.dat ----------------------------------------------------------------

TEST_F(UserOptions, FileHolds29BytesFieldByField)
{
    store.SetUnitScale(1000);
    store.SetUnitDisplay(1);
    store.SetDefaultCalculator(39);
    for (const auto& [slot, number] : {std::pair{0, 3}, {2, 17}, {4, 0}})
        store.SetFavourite(slot, number);
    ASSERT_TRUE(store.Save(path));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes, Int32(1000) + QByteArray(1, '\x01') + Int32(39) + Int32(3) + Int32(-1) + Int32(17) + Int32(-1)
                         + Int32(0));

    OptionsStore next{engine.Descriptions()};
    next.MarkChanged();
    ASSERT_TRUE(next.Load(path));
    EXPECT_EQ(next.Values().UnitScaleCode, 1000);
    EXPECT_EQ(next.Values().UnitDisplayOption, 1);
    EXPECT_EQ(next.Values().DefaultCalculator, 39);
    EXPECT_EQ(next.Values().Favourites, (std::array<int, 5>{3, -1, 17, -1, 0}));
    EXPECT_FALSE(next.Values().OptionsChanged);
    EXPECT_EQ(next.Values().LengthUnitSuffix, QStringLiteral("(m)"));
}

TEST_F(UserOptions, MissingFileGivesTheStartValues)
{
    store.SetUnitScale(25);
    EXPECT_FALSE(store.Load(path));
    EXPECT_EQ(store.Values().UnitScaleCode, 10);
    EXPECT_EQ(store.Values().DefaultCalculator, 0);
    EXPECT_EQ(store.Values().Favourites, (std::array<int, 5>{-1, -1, -1, -1, -1}));
    EXPECT_EQ(store.Values().LengthUnitSuffix, QStringLiteral("(cm)"));
}

TEST_F(UserOptions, ShortFileKeepsTheFieldsItHolds)
{
    // Unit, display option, then the default calculator cut short.
    Write(Int32(1) + QByteArray(1, '\x01') + QByteArray("\x05\x00", 2));
    EXPECT_TRUE(store.Load(path));
    EXPECT_EQ(store.Values().UnitScaleCode, 1);
    EXPECT_EQ(store.Values().UnitDisplayOption, 1);
    EXPECT_EQ(store.Values().DefaultCalculator, 0);
    EXPECT_EQ(store.Values().Favourites, (std::array<int, 5>{-1, -1, -1, -1, -1}));
}

TEST_F(UserOptions, ValuesOutsideTheirRangesTakeTheStartValues)
{
    Write(Int32(7) + QByteArray(1, '\x02') + Int32(CalculatorCount) + Int32(CalculatorCount) + Int32(-2) + Int32(39) + Int32(-1) + Int32(12));
    EXPECT_TRUE(store.Load(path));
    EXPECT_EQ(store.Values().UnitScaleCode, 10);
    EXPECT_EQ(store.Values().UnitDisplayOption, 0);
    EXPECT_EQ(store.Values().DefaultCalculator, 0);
    EXPECT_EQ(store.Values().Favourites, (std::array<int, 5>{-1, -1, 39, -1, 12}));
}

// ---- Unit of measure ---------------------------------------------------------------

TEST_F(UserOptions, UnitWindowPreselectsAndAppliesTheRows)
{
    OpenFromMenu(engine, 0);
    ChooseInUnitWindow(engine, 25, 1);
    ui.unitWindowRows.clear();
    ui.chosenUnitRow = 2;
    ui.chosenDisplayRow = 0;
    engine.UniteMesureClick();
    ASSERT_EQ(ui.unitWindowRows.size(), 1);
    EXPECT_EQ(ui.unitWindowRows[0], qMakePair(3, 1));
    EXPECT_EQ(Seen(engine).options.Values().UnitScaleCode, 1000);
    EXPECT_EQ(Seen(engine).options.Values().AreaUnitSuffix, QStringLiteral("(m2)"));
    EXPECT_EQ(Seen(engine).options.Values().UnitDisplayOption, 0);
    EXPECT_TRUE(Seen(engine).options.Values().OptionsChanged);
}

TEST_F(UserOptions, UnitWindowClosedWithoutAChangeStillMarksTheOptions)
{
    OpenFromMenu(engine, 0);
    engine.UniteMesureClick();
    EXPECT_EQ(Seen(engine).options.Values().UnitScaleCode, 10);
    EXPECT_TRUE(Seen(engine).options.Values().OptionsChanged);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(UserOptions, UnitChangeRelabelsBeforeTheFirstInputAndWarnsAfterIt)
{
    OpenFromMenu(engine, 10);
    EXPECT_EQ(engine.Panel(10).prompt, QStringLiteral("Long. mur pignon (cm)"));
    ui.chosenUnitRow = 0;
    engine.UniteMesureClick();
    EXPECT_EQ(engine.Panel(10).prompt, QStringLiteral("Long. mur pignon (mm)"));
    EXPECT_TRUE(ui.messages.isEmpty());

    engine.PCalculatriceDigitClick(4);
    engine.PEtClick(10);
    engine.PCalculatriceDigitClick(3);
    const QString prompt = engine.Panel(10).prompt;
    ui.chosenUnitRow = 1;
    engine.UniteMesureClick();
    EXPECT_EQ(engine.Panel(10).prompt, prompt);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0], QString::fromUtf8("Attention, le changement d'unité de mesure\nrisque de rendre votre calcul erroné !"));
    EXPECT_EQ(ui.messageLines[0], 2);
    EXPECT_EQ(Seen(engine).options.Values().LengthUnitSuffix, QStringLiteral("(cm)"));
}

// ---- Window behaviour ---------------------------------------------------------------

TEST_F(UserOptions, WindowBehaviourIsWrittenAtEveryUseAndReopensOnTheLastChoice)
{
    ASSERT_TRUE(engine.WindowResizable());
    engine.Affichage1Click();
    ui.behaviourChoice = QStringLiteral("N");
    engine.Affichage1Click();
    ui.behaviourChoice.clear();
    engine.Affichage1Click();
    ASSERT_EQ(ui.settingsWrites.size(), 3);
    EXPECT_EQ(ui.settingsWrites[0],
              (QStringList{QStringLiteral("Comportement fenetre"), QStringLiteral("Redimensionnable"), QStringLiteral("O")}));
    EXPECT_EQ(ui.settingsWrites[1][2], QStringLiteral("N"));
    // Reopened, the window shows the choice written last, and OK keeps it.
    EXPECT_EQ(ui.behaviourWindowShown, (QList<bool>{true, true, false}));
    EXPECT_EQ(ui.settingsWrites[2][2], QStringLiteral("N"));
    // The running window keeps its start behaviour.
    EXPECT_TRUE(engine.WindowResizable());
}

TEST_F(UserOptions, UnwritableSettingsFileRaisesTheWriteError)
{
    ui.settingsWritable = false;
    try {
        engine.Affichage1Click();
        FAIL() << "no error";
    } catch (const CalcError& error) {
        EXPECT_EQ(error.message(), QString::fromUtf8("Impossible d'écrire dans /prog/tornavel.ini"));
    }
}

// ---- Favourites and default calculator ----------------------------------------------

TEST_F(UserOptions, FavouritesMenuShowsOnlyTheFilledSlots)
{
    TemporaryCurrentFolder folder;
    WriteOptionsFile(engine.Descriptions(), QStringLiteral("Options.dat"),
                     [](OptionsStore& options) { options.SetFavourite(2, 32); });
    engine.FormActivate();
    engine.PopupMFavorisPopup();
    EXPECT_EQ(engine.Window().favouriteCaptions,
              (QStringList{QString(), QString(), QString::fromUtf8("Calculatrice résistance/puissance"), QString(), QString()}));
    EXPECT_EQ(engine.Window().favouriteShown, (std::array<bool, 5>{false, false, true, false, false}));
}

TEST_F(UserOptions, FilledFavouriteSlotIsShownEvenWithoutATitle)
{
    // A replacement string table may lack a calculator's title: here none is read.
    Engine untitled{AllCalculators(), strings, ui, QStringLiteral(",")};
    TemporaryCurrentFolder folder;
    WriteOptionsFile(untitled.Descriptions(), QStringLiteral("Options.dat"), [](OptionsStore& options) {
        options.SetFavourite(0, 7);
        options.SetFavourite(4, CalculatorCount);
    });
    untitled.FormActivate();
    untitled.PopupMFavorisPopup();
    EXPECT_EQ(untitled.Window().favouriteShown, (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(untitled.Window().favouriteCaptions.value(0), QString());
}

TEST_F(UserOptions, FavouriteOpensItsCalculatorAlone)
{
    TemporaryCurrentFolder folder;
    WriteOptionsFile(engine.Descriptions(), QStringLiteral("Options.dat"),
                     [](OptionsStore& options) { options.SetFavourite(1, 5); });
    engine.FormActivate();
    OpenFromMenu(engine, 0);
    engine.PCalculatriceDigitClick(7);
    engine.FavorisClick(1);
    ASSERT_EQ(Seen(engine).stack.Records().size(), 1u);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 5);
    EXPECT_EQ(engine.Panel(0).result, QStringLiteral("0"));
    engine.FavorisClick(0);
    engine.FavorisClick(7);
    EXPECT_EQ(Seen(engine).stack.Top().Number, 5);
}

TEST_F(UserOptions, CalculatorListItemsShowTheListAndMarkTheOptions)
{
    ui.calculatorListUser = [](CalculatorListWindow& list) {
        list.BoxClick(list.IsChecked(0) ? 0 : 1, false);
        list.BoxClick(1, true);
        list.BtnOKClick();
    };
    engine.SelCalculetteDefautClick();
    EXPECT_EQ(Seen(engine).options.Values().DefaultCalculator, 39);
    EXPECT_TRUE(Seen(engine).options.Values().OptionsChanged);

    ui.calculatorListUser = [](CalculatorListWindow& list) {
        list.BoxClick(4, true);
        list.BtnOKClick();
    };
    engine.SelCalculetteFavoritesClick();
    EXPECT_EQ(Seen(engine).options.Values().Favourites, (std::array<int, 5>{3, -1, -1, -1, -1}));
    EXPECT_EQ(ui.calculatorListCaptions,
              (QStringList{QString::fromUtf8("Sélection de la calculatrice par défaut"),
                           QString::fromUtf8("Sélection des calculatrices favorites")}));
    EXPECT_EQ(ui.calculatorListModes, (QList<int>{0, 1}));
}
