// What the registry accepts from the families, and the menu it builds from its order.

#include "calculators/rows.h"
#include "core/description.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tornavel;

namespace {

CalculatorDescription Row(int number, int resultCode, int menuItem = -1)
{
    return {.number = number, .menuItem = menuItem, .resultCode = resultCode, .inputs = {Typed(Plain(40))}};
}

CalculatorDescription Titled(CalculatorDescription row, int titleId, int helpPageId)
{
    row.titleId = titleId;
    row.helpPageId = helpPageId;
    return row;
}

// A registry holding one family: calculators 1 and 2, which share result code 50.
CalculatorRegistry OneFamily()
{
    CalculatorRegistry rows;
    rows.Register({Titled(Row(1, 50, 11), 70, 1001), Row(2, 50, 12)});
    return rows;
}

std::vector<QString> MenuNames(const CalculatorRegistry& rows)
{
    std::vector<QString> names;
    for (const CalculatorMenuEntry& entry : rows.Menu())
        names.push_back(entry.name);
    return names;
}

} // namespace

// A family that clashes with what is registered is a programming error: it is refused
// whole, and what was registered stays as it was.
TEST(CalculatorRegistry, RefusesANumberItemStringOrResultCodeInUse)
{
    struct Clash {
        const char* what;
        std::vector<CalculatorDescription> family;
    };
    const std::vector<Clash> clashes{
        {"a number another family registered", {Row(3, 51), Row(2, 52)}},
        {"a number twice in one family", {Row(3, 51), Row(3, 51)}},
        {"a row without a number", {Row(-1, 51)}},
        {"the result code of another family", {Row(3, 51), Row(4, 50)}},
        {"the keypad's \"=\"", {Row(3, Code::Equals)}},
        {"the code of \"&&\"", {Row(3, Code::NextTerm)}},
        {"the code of a digit", {Row(3, Code::Digit)}},
        {"the code of the sine key", {Row(3, Code::Sine)}},
        {"the code of MR", {Row(3, Code::MemoryRecall)}},
        {"a menu item another family has", {Row(3, 51, 12)}},
        {"a menu item twice in one family", {Row(3, 51, 13), Row(4, 51, 13)}},
        {"a title another family has", {Titled(Row(3, 51), 70, -1)}},
        {"a help page twice in one family", {Titled(Row(3, 51), -1, 1000), Titled(Row(4, 51), -1, 1000)}},
    };
    for (const Clash& clash : clashes) {
        SCOPED_TRACE(clash.what);
        CalculatorRegistry rows = OneFamily();
        EXPECT_THROW(rows.Register(clash.family), std::logic_error);
        EXPECT_EQ(rows.Count(), 3);
        EXPECT_FALSE(rows.Has(3));
        EXPECT_FALSE(rows.IsResultState(51));
        EXPECT_EQ(rows.Of(2).resultCode, 50);
    }

    // A new family with codes of its own, rows sharing one, and rows without a code.
    CalculatorRegistry rows = OneFamily();
    rows.Register({Row(3, 51), Row(5, 51), Row(4, Code::None), Row(6, Code::None)});
    EXPECT_TRUE(rows.Has(3) && rows.Has(4) && rows.Has(5) && rows.Has(6));
    EXPECT_TRUE(rows.IsResultState(51));
    EXPECT_FALSE(rows.IsResultState(Code::None));
}

// The registry keeps its rows: they outlive the vector they came in and the registry
// they were copied from.
TEST(CalculatorRegistry, KeepsItsRowsAndReplacesOneOnlyByNumber)
{
    CalculatorRegistry copy;
    {
        CalculatorRegistry original = OneFamily();
        copy = original;
    }
    ASSERT_TRUE(copy.Has(2));
    EXPECT_EQ(copy.Of(2).inputs.at(0).prompt.stringId, 40);

    auto standIn = std::make_shared<CalculatorDescription>(Row(2, 50, 12));
    standIn->titleId = 7;
    copy.Replace(standIn);
    EXPECT_EQ(&copy.Of(2), standIn.get());
    EXPECT_THROW(copy.Replace(std::make_shared<CalculatorDescription>(Row(9, 50))), std::logic_error);
    EXPECT_FALSE(copy.Has(9));
}

// The menu follows its order: items for the registered calculators that have one, each
// separator before an item and never at the top or twice in a row.
TEST(CalculatorRegistry, MenuFollowsItsOrder)
{
    constexpr int S = MenuSeparator;
    struct Case {
        std::vector<int> order;
        std::vector<QString> menu;
    };
    const std::vector<Case> cases{
        {{2, 1}, {u"Calculette12"_qs, u"Calculette11"_qs}},
        {{1, S, 2}, {u"Calculette11"_qs, u"N1"_qs, u"Calculette12"_qs}},
        {{S, 1, S, S, 2, S}, {u"Calculette11"_qs, u"N1"_qs, u"Calculette12"_qs}},
        // Numbers not registered, and calculators without an item, are left out.
        {{7, S, 1, 0, S, 8, 2}, {u"Calculette11"_qs, u"N1"_qs, u"Calculette12"_qs}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        CalculatorRegistry rows = OneFamily();
        rows.Register({Row(0, Code::None)});
        rows.SetMenuOrder(c.order);
        EXPECT_EQ(MenuNames(rows), c.menu);
    }

    CalculatorRegistry rows = OneFamily();
    rows.SetMenuOrder({2, S, 1});
    EXPECT_EQ(rows.CalculatorOfMenuItem(11), 1);
    EXPECT_EQ(rows.MenuItemOfCalculator(2), 12);
    // A family registered after the order gets its items where the order names them.
    rows.SetMenuOrder({2, 3, S, 1});
    rows.Register({Row(3, 52, 13)});
    EXPECT_EQ(MenuNames(rows), (std::vector<QString>{u"Calculette12"_qs, u"Calculette13"_qs, u"N1"_qs,
                                                      u"Calculette11"_qs}));
}
