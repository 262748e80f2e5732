#include "core/calcerror.h"
#include "core/engine.h"
#include "tests/support/created_engine.h"
#include "tests/support/catalogue.h"
#include "tests/support/fake_ui.h"
#include "tests/support/family_key.h"

#include <gtest/gtest.h>

using namespace tornavel;

namespace {

struct FamilyContext : CreatedEngine {
    int HistoryCount()
    {
        engine.PopupMCalculsPopup();
        return static_cast<int>(engine.Window().historyCaptions.size());
    }
};

} // namespace

TEST_F(FamilyContext, AResultShowsItsFieldsLabelCodeAndMemoryAndIsRecordedUnlessComputedAgain)
{
    as_family::Open(engine, 2);
    const int code = engine.Descriptions().Of(2).resultCode;
    const ShownResult shown{.terms = QStringLiteral("5&3"), .result = QStringLiteral("8"),
                            .formula = QStringLiteral("R(5&3)=8"), .label = QStringLiteral("R"), .memory = 8.0,
                            .code = code};
    AsFamilyKey(engine, [&](CalculatorContext& c) {
        c.RecomputeForOption([&] { c.ShowResult(shown); });
        EXPECT_EQ(c.TopPanel().result, QStringLiteral("8"));
        EXPECT_EQ(c.TopPanel().formula, QStringLiteral("R(5&3)=8"));
        EXPECT_EQ(c.TopPanel().prompt, QStringLiteral("R"));
        EXPECT_EQ(c.Keys().LastKeyCode(), code);
        EXPECT_EQ(c.Keys().KeyClass(), code);
        EXPECT_EQ(c.Keys().MemoryValue(), 8.0);
    });
    EXPECT_EQ(HistoryCount(), 0);

    // Without a memory value the register keeps what it held.
    AsFamilyKey(engine, [&](CalculatorContext& c) {
        ShownResult again = shown;
        again.memory.reset();
        c.StoreInMemory(3.0);
        c.ShowResult(again);
        EXPECT_EQ(c.Keys().MemoryValue(), 3.0);
    });
    EXPECT_EQ(HistoryCount(), 1);
}

TEST_F(FamilyContext, AnOptionReRunEndsSettledEvenWhenItsComputationFails)
{
    as_family::Open(engine, 21);
    AsFamilyKey(engine, [](CalculatorContext& c) {
        const CalculatorDescription& row = c.Descriptions().Of(21);
        c.ChooseOption(row, 1);
        EXPECT_TRUE(c.Keys().VariantChangedFlag());
        EXPECT_EQ(c.OptionSelection(row), 1);
        EXPECT_THROW(c.RecomputeForOption([&] {
            EXPECT_TRUE(c.Keys().RecomputingFlag());
            throw CalcError(QStringLiteral("Division par zéro"));
        }),
                     CalcError);
        EXPECT_FALSE(c.Keys().RecomputingFlag());
        EXPECT_FALSE(c.Keys().VariantChangedFlag());
        // The same option again is no change.
        c.ChooseOption(row, 1);
        EXPECT_FALSE(c.Keys().VariantChangedFlag());
    });
}
