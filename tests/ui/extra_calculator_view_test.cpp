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
    const int n = extra::Number;
    const auto named = [n](const char* name) { return QLatin1String(name) + QString::number(n); };
    Start();
    Find<QAction>(QStringLiteral("Calculette%1").arg(extra::MenuItem))->trigger();
    EXPECT_TRUE(Find(named("PCalculette"))->isVisible());
    EXPECT_EQ(Prompt(n), strings.Str(40));
    Click(QStringLiteral("PCalculatrice3"));
    Click(named("PEt"));
    EXPECT_EQ(Prompt(n), strings.Str(41));
    Click(QStringLiteral("PCalculatrice4"));
    Click(named("PCalcul"));
    EXPECT_EQ(Result(n), QStringLiteral("12"));
}

} // namespace
} // namespace tornavel::testing
