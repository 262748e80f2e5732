// Verolan's window follows the desktop's font as Tornavel's do: its stock rectangles at
// the stock font, grown by the factor at a font a quarter larger, and at a larger font
// every text whole and the window on the screen when it fits there.

#include "chooser/chooser_window.h"
#include "core/strings.h"
#include "tests/support/layout_faults.h"

#include <QScreen>
#include <QTemporaryDir>

namespace tornavel {
namespace {

using testing::ScaledApplicationFont;

struct VerolanAtFontSize : ::testing::TestWithParam<double> {};

TEST_P(VerolanAtFontSize, ShowsItsTextsWholeOnTheScreen)
{
    const ScaledApplicationFont font(GetParam());
    QTemporaryDir dir;
    StringTable strings;
    TFSelComTornavel window(strings, dir.filePath(QStringLiteral("tornavel.ini")));
    EXPECT_EQ(testing::LayoutFaults(&window).join(u'\n').toStdString(), "");
    const QRect area = window.screen()->availableGeometry();
    if (window.width() <= area.width() && window.height() <= area.height()) {
        EXPECT_TRUE(area.contains(window.frameGeometry()));
    }
    if (GetParam() <= 1.25) {
        testing::ExpectStockRectangles(QStringLiteral("stock_verolan.txt"), testing::NamedRectangles(&window),
                                       GetParam() == 1.0 ? 1.0 : LayoutScale());
    }
}

INSTANTIATE_TEST_SUITE_P(StockAndLarger, VerolanAtFontSize, ::testing::Values(1.0, 1.25, 1.5, 2.0));

} // namespace
} // namespace tornavel
