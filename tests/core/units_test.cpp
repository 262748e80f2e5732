#include "core/options.h"
#include "core/strings.h"
#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace tornavel;

namespace {

bool Near(long double a, long double b)
{
    return std::fabs(a - b) <= 1e-12L * std::fabs(b);
}

} // namespace

// Each unit's texts and factors agree with one another: the suffixes are built on
// one unit name, the window row names the same suffixes, and the factors describe
// the same length.
TEST(UnitsOfMeasure, EveryRowIsConsistentWithItself)
{
    const StringTable strings;
    std::set<int> codes;
    std::set<int> rows;
    for (const UnitOfMeasure& unit : UnitsOfMeasure()) {
        SCOPED_TRACE(unit.code);
        codes.insert(unit.code);
        rows.insert(unit.windowRow);
        EXPECT_EQ(FindUnitOfMeasure(unit.code), &unit);
        EXPECT_EQ(UnitOfWindowRow(unit.windowRow), &unit);
        EXPECT_TRUE(IsUnitScaleCode(unit.code));

        const QString length = unit.lengthSuffix.toString();
        ASSERT_TRUE(length.startsWith(u'(') && length.endsWith(u')'));
        const QString name = length.mid(1, length.size() - 2);
        EXPECT_FALSE(name.isEmpty());
        const QString area = name + u'2';
        const QString volume = name + u'3';
        EXPECT_EQ(unit.areaSuffix, QStringLiteral("(%1)").arg(area));
        EXPECT_EQ(unit.volumeSuffix, QStringLiteral("(%1)").arg(volume));
        EXPECT_EQ(unit.yieldSuffix, QStringLiteral("(%1/l)").arg(area));
        const QString caption = strings.Str(unit.windowCaptionId);
        EXPECT_TRUE(caption.endsWith(QStringLiteral("(%1/%2/%3)").arg(name, area, volume))) << caption.toStdString();

        EXPECT_TRUE(Near(static_cast<long double>(unit.centimetres) * unit.perMetre, 100.0L));
        EXPECT_TRUE(Near(unit.perSquareMetre, static_cast<long double>(unit.perMetre) * unit.perMetre));
        EXPECT_TRUE(Near(unit.perCubicMetre,
                         static_cast<long double>(unit.perMetre) * unit.perMetre * unit.perMetre));
        EXPECT_TRUE(Near(unit.squareMetres, 1.0L / unit.perSquareMetre));
        EXPECT_EQ(UnitFactor(unit.code), unit.centimetres);
    }
    EXPECT_EQ(codes.size(), UnitsOfMeasure().size());
    EXPECT_EQ(rows, (std::set<int>{0, 1, 2, 3}));
}

TEST(UnitsOfMeasure, ACodeThatNamesNoUnitReadsAsTheUnitTheProgramStartsIn)
{
    const UnitOfMeasure& start = UnitOfMeasureOf(Options{}.UnitScaleCode);
    for (int code : {0, 2, -10, 100}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(IsUnitScaleCode(code));
        EXPECT_EQ(FindUnitOfMeasure(code), nullptr);
        EXPECT_EQ(&UnitOfMeasureOf(code), &start);
    }
    EXPECT_EQ(UnitOfWindowRow(-1), nullptr);
    EXPECT_EQ(UnitOfWindowRow(4), nullptr);
}
