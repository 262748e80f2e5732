// Texts longer than their field still show whole: the rows of the drop-down lists,
// the names in the sub-calculation list and the formulas.

#include "tests/ui/window_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBlock>

using namespace tornavel;

namespace {

struct WholeTexts : tornavel::testing::WindowFixture<> {
    void SetUp() override { Start(); }
};

// The open list has room for its longest row, also in a style that opens it as a plain
// list no wider than the closed one; the closed list hints its chosen row, and nothing
// while none is chosen.
TEST_F(WholeTexts, DropDownListsShowTheirRowsWhole)
{
    QStyle* plainList = QStyleFactory::create(QStringLiteral("Windows"));
    ASSERT_TRUE(plainList && !plainList->styleHint(QStyle::SH_ComboBox_Popup));
    plainList->setParent(window.get());
    for (const int n : {33, 35, 36}) {
        SCOPED_TRACE(n);
        Open(n);  // its panel is built when it first comes on screen
        auto* list = Find<QComboBox>(QStringLiteral("ListBox%1").arg(n));
        if (n != 35) {
            // The popup is fitted when the rows are filled: fill them again under the style.
            list->setStyle(plainList);
            list->clear();
            Open(n);
        }
        QAbstractItemView* view = list->view();
        int widest = 0, longest = 0;
        for (int row = 0; row < list->count(); ++row) {
            const int text = view->fontMetrics().horizontalAdvance(list->itemText(row));
            const int drawn = std::max(text, view->sizeHintForIndex(list->model()->index(row, 0)).width());
            if (drawn > widest)
                widest = drawn, longest = row;
        }
        EXPECT_GT(widest, list->width());
        list->showPopup();
        EXPECT_GE(view->viewport()->width(), widest);
        list->hidePopup();

        EXPECT_TRUE(list->toolTip().isEmpty());
        QTest::keyClick(Keyboard(), Qt::Key_Home);
        for (int row = 0; row < longest; ++row)
            QTest::keyClick(Keyboard(), Qt::Key_Down);
        EXPECT_EQ(list->toolTip(), list->itemText(longest));
        QTest::keyClick(Keyboard(), Qt::Key_Escape);
        EXPECT_TRUE(list->toolTip().isEmpty());
    }
}

// The list of the calculator on screen at start scrolls sideways as well, once the
// window is on screen, with nothing done to it.
TEST_F(WholeTexts, SubCalculationListAtStartScrollsSideways)
{
    auto* offered = Find<QListWidget>(QStringLiteral("LbCalculettes"));
    int widest = 0;
    for (int row = 0; row < offered->count(); ++row)
        widest = std::max(widest, offered->fontMetrics().horizontalAdvance(offered->item(row)->text()));
    ASSERT_GT(widest, offered->viewport()->width());
    EXPECT_TRUE(QTest::qWaitFor([offered] { return offered->horizontalScrollBar()->isVisible(); }));
}

// Each calculator's sub-calculation list scrolls sideways exactly when a name is wider
// than the list, far enough to reach the end of the widest, wherever it stands.
TEST_F(WholeTexts, SubCalculationListScrollsToTheEndOfItsWidestName)
{
    auto* offered = Find<QListWidget>(QStringLiteral("LbCalculettes"));
    bool someScroll = false;
    for (int n = 0; n < CalculatorCount; ++n) {
        Open(n);
        offered->doItemsLayout();
        QCoreApplication::processEvents();  // the scroll bar shows after the queued range change
        int widest = 0;
        for (int row = 0; row < offered->count(); ++row)
            widest = std::max(widest, offered->sizeHintForIndex(offered->model()->index(row, 0)).width());
        const bool tooWide = widest > offered->viewport()->width();
        someScroll = someScroll || tooWide;
        EXPECT_EQ(offered->horizontalScrollBar()->isVisible(), tooWide) << n;
        EXPECT_GE(offered->horizontalScrollBar()->maximum() + offered->viewport()->width(), widest) << n;
    }
    EXPECT_TRUE(someScroll);
}

// A formula longer than a line wraps, inside a term where it must, and ends inside the
// field with no sideways scroll bar; the function calculator's stays on one line and
// scrolls sideways.
TEST_F(WholeTexts, LongFormulasWrapSaveTheFunctionCalculators)
{
    const std::pair<int, const char*> cases[] = {
        {0, "123456789012345678*98765432109876543+55555555555555555="},
        {16, "1234,5678&987,654321&456,78901&321,98765&12,3456789\r"},
        {39, "123456789012345678901234567890123456789012"},
    };
    for (const auto& [n, keys] : cases) {
        SCOPED_TRACE(n);
        Open(n);
        QTest::keyClicks(Keyboard(), QString::fromLatin1(keys));
        QCoreApplication::processEvents();
        auto* field = Find<QPlainTextEdit>(QStringLiteral("EdtFormule%1").arg(n));
        const int lines = field->document()->firstBlock().layout()->lineCount();
        EXPECT_EQ(field->horizontalScrollBar()->isVisible(), n == 39);
        if (n == 39) {
            EXPECT_EQ(lines, 1);
            continue;
        }
        EXPECT_GT(lines, 1);
        QTextCursor end(field->document());
        end.movePosition(QTextCursor::End);
        EXPECT_TRUE(field->viewport()->rect().contains(field->cursorRect(end)));
    }
}

} // namespace
