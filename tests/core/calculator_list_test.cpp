#include "core/calculator_list.h"
#include "tests/support/created_engine.h"
#include "tests/support/engine_view.h"
#include "tests/support/program_steps.h"
#include "core/engine.h"
#include "core/menus.h"
#include "tests/support/fake_ui.h"
#include "tests/support/catalogue.h"

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

struct CalculatorList : CreatedEngine {};

} // namespace

TEST_F(CalculatorList, BoxesListTheStandardThenTheMathematicalThenTheRest)
{
    WithCalculatorList(engine, CalculatorListWindow::ChooseDefault, [](CalculatorListWindow& list) {
        EXPECT_EQ(list.CalculatorOfBox(0), 0);
        EXPECT_EQ(list.CalculatorOfBox(1), 39);
        EXPECT_EQ(list.CalculatorOfBox(2), 1);
        EXPECT_EQ(list.CalculatorOfBox(39), 38);
        EXPECT_EQ(list.CalculatorOfBox(CalculatorCount), -1);
        for (int box = 0; box < CalculatorCount; ++box)
            EXPECT_EQ(list.BoxOfCalculator(list.CalculatorOfBox(box)), box);
        for (int number : {-1, CalculatorCount})
            EXPECT_EQ(list.BoxOfCalculator(number), -1) << number;

        EXPECT_EQ(list.BoxCaption(1), QString::fromUtf8("Calculatrice fonctions mathématiques"));
    });
}

TEST_F(CalculatorList, DefaultModeChecksTheDefaultAndAllowsOneBox)
{
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseDefault, {39});
    WithCalculatorList(engine, CalculatorListWindow::ChooseDefault, [](CalculatorListWindow& list) {
        EXPECT_TRUE(list.IsChecked(1));
        EXPECT_EQ(list.CheckedCount(), 1);

        EXPECT_FALSE(list.BoxClick(5, true));
        EXPECT_TRUE(list.IsChecked(1));
        EXPECT_FALSE(list.IsChecked(5));
    });
}

TEST_F(CalculatorList, DefaultModeRefusesOkWithoutABox)
{
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseDefault, {7});
    WithCalculatorList(engine, CalculatorListWindow::ChooseDefault, [this](CalculatorListWindow& list) {
        list.BoxClick(8, false);
        EXPECT_FALSE(list.BtnOKClick());
        EXPECT_EQ(Seen(engine).options.Values().DefaultCalculator, 7);
        ASSERT_EQ(ui.boxes.size(), 1);
        EXPECT_EQ(ui.boxes[0].text, QString::fromUtf8("Vous devez sélectionner une Calculatrice par défaut !"));
        EXPECT_EQ(ui.boxes[0].caption, QString::fromUtf8("Sélection de la calculatrice par défaut"));
        EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Exclamation);

        list.BoxClick(3, true);
        EXPECT_TRUE(list.BtnOKClick());
        EXPECT_EQ(Seen(engine).options.Values().DefaultCalculator, 2);
    });
}

TEST_F(CalculatorList, FavouritesModeAllowsFiveBoxesAndFillsTheSlotsInListOrder)
{
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseFavourites, {12, 0});
    WithCalculatorList(engine, CalculatorListWindow::ChooseFavourites, [this](CalculatorListWindow& list) {
        EXPECT_TRUE(list.IsChecked(13));
        EXPECT_TRUE(list.IsChecked(0));
        EXPECT_EQ(list.CheckedCount(), 2);

        list.BoxClick(13, false);
        list.BoxClick(1, true);
        list.BoxClick(5, true);
        EXPECT_TRUE(list.BtnOKClick());
        EXPECT_EQ(Seen(engine).options.Values().Favourites, (std::array<int, 5>{0, 39, 4, -1, -1}));

        for (int box : {10, 11})
            EXPECT_TRUE(list.BoxClick(box, true));
        EXPECT_FALSE(list.BoxClick(12, true));
        EXPECT_EQ(list.CheckedCount(), 5);
    });
}

TEST_F(CalculatorList, FavouritesModeAcceptsNoBoxAndEmptiesTheSlots)
{
    ChooseInCalculatorList(engine, CalculatorListWindow::ChooseFavourites, {1, 2, 3, 4, 5});
    ASSERT_EQ(Seen(engine).options.Values().Favourites, (std::array<int, 5>{1, 2, 3, 4, 5}));
    WithCalculatorList(engine, CalculatorListWindow::ChooseFavourites, [this](CalculatorListWindow& list) {
        for (int box = 0; box < list.BoxCount(); ++box)
            list.BoxClick(box, false);
        EXPECT_TRUE(list.BtnOKClick());
        EXPECT_EQ(Seen(engine).options.Values().Favourites, (std::array<int, 5>{-1, -1, -1, -1, -1}));
    });
}

TEST_F(CalculatorList, HelpKeyOpensThePageOfTheMode)
{
    engine.SetDirectories(QStringLiteral("/opt/tornavel/"));
    for (int mode : {CalculatorListWindow::ChooseDefault, CalculatorListWindow::ChooseFavourites})
        WithCalculatorList(engine, mode, [](CalculatorListWindow& list) { list.HelpKeyDown(); });
    EXPECT_EQ(ui.openedUrls,
              (QStringList{QStringLiteral("file:///opt/tornavel/Aide/selection-calculatrice-defaut.html"),
                           QStringLiteral("file:///opt/tornavel/Aide/selection-calculatrices-favorites.html")}));
}
