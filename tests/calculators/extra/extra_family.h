#pragma once

// A family that exists only in the tests: one calculator beyond the program's forty, a
// row and a formula, registered the way a family folder registers its calculators.

#include "calculators/install.h"
#include "calculators/protocol/protocol.h"
#include "calculators/rows.h"
#include "core/catalogue.h"

namespace tornavel::extra {

inline constexpr int Number = 40;
// The code its compute key leaves after a result: one that no other family uses.
inline constexpr int ResultCode = 40;

// Two typed inputs, their product.
inline ProtocolOutcome ComputeProduct(const ProtocolCall& call)
{
    return ProtocolOutcome::Number(call.inputs[0] * call.inputs[1], call.Text(104), call.Text(105));
}

// How it departs from the common steps: not at all, save its formula.
inline const ProtocolCalculator Product{
    .compute = ComputeProduct,
};

inline const CalculatorDescription& Row()
{
    // Title "Puissance", help page of the capacity converter, the last menu item after
    // a separator; its inputs prompt "Hauteur" and "Base".
    static const CalculatorDescription row = [] {
        CalculatorDescription r = DescriptionOf(Identity(Number, 104, 1041, 40, 40, true));
        r.offers = KeypadCalculatorsAnd();
        r.resultCode = ResultCode;
        r.inputs = {TypedInput({40, UnitSuffix::None, SuffixShown::ByRule}),
                    TypedInput({41, UnitSuffix::None, SuffixShown::ByRule})};
        r.result = {105, UnitSuffix::None, SuffixShown::ByRule};
        r.keys = ProtocolKeys(Product);
        return r;
    }();
    return row;
}

inline void InstallExtraFamily(CalculatorCatalogue& catalogue)
{
    catalogue.Rows().Register(Row());
}

// The program's calculators and this one.
inline const CalculatorCatalogue& WithExtraCalculator()
{
    static const CalculatorCatalogue catalogue = [] {
        CalculatorCatalogue all;
        InstallCalculatorFamilies(all);
        InstallExtraFamily(all);
        return all;
    }();
    return catalogue;
}

} // namespace tornavel::extra
