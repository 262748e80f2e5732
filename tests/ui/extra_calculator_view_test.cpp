#include "tests/calculators/extra/extra_family.h"
#include "tests/ui/window_fixture.h"

namespace tornavel::testing {
namespace {

// The window builds the panel and the menu item of a calculator that a family outside
// the program registers, from its row alone.
struct ExtraCalculatorWindow : WindowFixture<> {
    ExtraCalculatorWindow() { catalogue = &extra::WithExtraCalculator(); }
};

TEST_F(ExtraCalculatorWindow, ItsMenuItemShowsItsPanelThatComputes)
{
    Start();
    Find<QAction>(QStringLiteral("Calculette40"))->trigger();
    EXPECT_TRUE(Find(QStringLiteral("PCalculette40"))->isVisible());
    EXPECT_EQ(Prompt(40), strings.Str(40));
    Click(QStringLiteral("PCalculatrice3"));
    Click(QStringLiteral("PEt40"));
    EXPECT_EQ(Prompt(40), strings.Str(41));
    Click(QStringLiteral("PCalculatrice4"));
    Click(QStringLiteral("PCalcul40"));
    EXPECT_EQ(Result(40), QStringLiteral("12"));
}

} // namespace
} // namespace tornavel::testing
