#include "core/units.h"

namespace tornavel {

namespace {

constexpr std::array<UnitOfMeasure, UnitOfMeasureCount> kUnits{{
    {1, u"(mm)", u"(mm2)", u"(mm3)", u"(mm2/l)", 0, 198,
     0.1, 1000.0, 1000000.0, 1000000000.0L, 0.000001, false},
    {10, u"(cm)", u"(cm2)", u"(cm3)", u"(cm2/l)", 1, 199,
     1.0, 100.0, 10000.0, 1000000.0L, 0.0001, false},
    {25, u"(in)", u"(in2)", u"(in3)", u"(in2/l)", 3, 292,
     2.54, 39.37007874015748, 1550.0031000062, 61023.74409473228L, 0.00064516, true},
    {1000, u"(m)", u"(m2)", u"(m3)", u"(m2/l)", 2, 291,
     100.0, 1.0, 1.0, 1.0L, 1.0, false},
}};

constexpr int kStartUnit = 1; // the centimetre

} // namespace

const std::array<UnitOfMeasure, UnitOfMeasureCount>& UnitsOfMeasure()
{
    return kUnits;
}

const UnitOfMeasure* FindUnitOfMeasure(int code)
{
    for (const UnitOfMeasure& unit : kUnits) {
        if (unit.code == code)
            return &unit;
    }
    return nullptr;
}

const UnitOfMeasure& UnitOfMeasureOf(int code)
{
    const UnitOfMeasure* unit = FindUnitOfMeasure(code);
    return unit ? *unit : kUnits[kStartUnit];
}

const UnitOfMeasure* UnitOfWindowRow(int row)
{
    for (const UnitOfMeasure& unit : kUnits) {
        if (unit.windowRow == row)
            return &unit;
    }
    return nullptr;
}

bool IsUnitScaleCode(int code)
{
    return FindUnitOfMeasure(code) != nullptr;
}

double UnitFactor(int unitScaleCode)
{
    return UnitOfMeasureOf(unitScaleCode).centimetres;
}

} // namespace tornavel
