#pragma once

// The steps a test takes to bring an engine where it needs it, each the way the program
// gets there: a menu item, the unit window, the files read at the first activation.

#include "core/calculator_list.h"
#include "core/catalogue.h"
#include "core/engine.h"
#include "core/history_book.h"
#include "core/options_store.h"
#include "core/units.h"
#include "tests/support/engine_access.h"
#include "tests/support/fake_ui.h"
#include "tests/support/family_key.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

namespace tornavel {

// The calculators of `catalogue`, with the keys of calculator `number` changed by
// `change`: for a test that stands in for a calculator's keys. An engine built from it
// serves them.
inline CalculatorCatalogue WithKeysOf(int number, const std::function<void(CalculatorKeys&)>& change,
                                      CalculatorCatalogue catalogue)
{
    auto row = std::make_shared<CalculatorDescription>(catalogue.Rows().Of(number));
    change(row->keys);
    TakeStandInSteps(row->keys);
    catalogue.Rows().Replace(std::move(row));
    return catalogue;
}

// Opens calculator `number` by its item of the calculators menu (nothing for a
// number without one).
inline void OpenFromMenu(Engine& engine, int number)
{
    engine.CalculetteClick(engine.Descriptions().MenuItemOfCalculator(number));
}

// The user chooses in the unit-of-measure window the unit of code `unitCode` (-1: keeps
// the one checked) and the display row `display` (-1: keeps the one checked), then OK.
// The engine's desktop must be a FakeUi.
inline void ChooseInUnitWindow(Engine& engine, int unitCode, int display = -1)
{
    auto& ui = dynamic_cast<FakeUi&>(engine.Ui());
    const UnitOfMeasure* unit = FindUnitOfMeasure(unitCode);
    ui.chosenUnitRow = unit ? unit->windowRow : -2;
    ui.chosenDisplayRow = display >= 0 ? display : -2;
    engine.UniteMesureClick();
    ui.chosenUnitRow = ui.chosenDisplayRow = -2;
}
inline void ChooseUnitDisplay(Engine& engine, int display) { ChooseInUnitWindow(engine, -1, display); }

// The user ticks these calculators, and only these, in the calculator list of
// `listMode`, then OK: the default calculator or the favourites.
inline void ChooseInCalculatorList(Engine& engine, int listMode, const std::vector<int>& calculators)
{
    auto& ui = dynamic_cast<FakeUi&>(engine.Ui());
    ui.calculatorListUser = [&calculators](CalculatorListWindow& list) {
        for (int box = 0; box < list.BoxCount(); ++box)
            list.BoxClick(box, false);
        for (int number : calculators)
            list.BoxClick(list.BoxOfCalculator(number), true);
        list.BtnOKClick();
    };
    if (listMode == CalculatorListWindow::ChooseDefault)
        engine.SelCalculetteDefautClick();
    else
        engine.SelCalculetteFavoritesClick();
    ui.calculatorListUser = nullptr;
}

// The calculator list window of `listMode` as its menu item shows it, handed to `user`.
inline void WithCalculatorList(Engine& engine, int listMode, const std::function<void(CalculatorListWindow&)>& user)
{
    auto& ui = dynamic_cast<FakeUi&>(engine.Ui());
    bool shown = false;
    ui.calculatorListUser = [&](CalculatorListWindow& list) {
        shown = true;
        user(list);
    };
    if (listMode == CalculatorListWindow::ChooseDefault)
        engine.SelCalculetteDefautClick();
    else
        engine.SelCalculetteFavoritesClick();
    ui.calculatorListUser = nullptr;
    EXPECT_TRUE(shown);
}

// The current folder comes back to what it was when this goes.
struct KeepCurrentFolder {
    const QString start = QDir::currentPath();
    ~KeepCurrentFolder() { QDir::setCurrent(start); }
};

// While it lives, the current folder is a new empty one, where the program reads and
// writes its options and history files.
struct TemporaryCurrentFolder {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    TemporaryCurrentFolder() { QDir::setCurrent(dir.path()); }
    ~TemporaryCurrentFolder() { QDir::setCurrent(previous); }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

// Records a calculation of calculator `number` in the history, in the current unit, as
// a family's compute key records one: on its calculator, opened from the menu when it is
// not on screen, whose fields stay as they were, with the key code the last key left.
inline void RecordAsAFamily(Engine& engine, int number, const QString& text, const InputValues& inputs,
                            int termIndex)
{
    const int lastKey = EngineAccess::Keys(engine).LastKeyCode();
    if (!engine.HasCalculator() || engine.Window().visiblePanel != number)
        OpenFromMenu(engine, number);
    AsFamilyKey(engine, [&](CalculatorContext& c) {
        c.KeyPressed(lastKey);
        for (int k = 0; k < static_cast<int>(inputs.size()); ++k)
            c.KeepInput(k, inputs[static_cast<size_t>(k)]);
        c.GoToTerm(termIndex);
        const PanelState& panel = c.TopPanel();
        c.ShowResult({.terms = text, .result = panel.result, .formula = panel.formula, .code = lastKey});
    });
}

// Writes the options file at `path` as the program saves it, holding what `set` chose.
inline void WriteOptionsFile(const CalculatorRegistry& rows, const QString& path,
                             const std::function<void(OptionsStore&)>& set)
{
    OptionsStore store(rows);
    set(store);
    ASSERT_TRUE(store.Save(path));
}

// Writes the history file at `path` as the program saves it, holding what `add` added.
inline void WriteHistoryFile(const CalculatorRegistry& rows, const QString& path,
                             const std::function<void(HistoryBook&)>& add)
{
    HistoryBook book(rows);
    add(book);
    ASSERT_TRUE(book.Save(path));
}

} // namespace tornavel
