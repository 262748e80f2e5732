#pragma once

// A family that exists only in the tests: one calculator beyond the program's, a row
// and a formula, registered the way a family folder registers its calculators.

#include "calculators/install.h"
#include "calculators/protocol/protocol.h"
#include "calculators/rows.h"
#include "core/catalogue.h"
#include "tests/support/catalogue.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace tornavel::extra {

// The first number, result code and menu item that no calculator of the program has.
inline int FirstFree(const std::function<bool(int)>& taken, int from = 0)
{
    while (taken(from))
        ++from;
    return from;
}
inline const int Number = AllCalculators().Rows().Count();
// The code its compute key leaves after a result.
inline const int ResultCode = FirstFree([](int code) {
    return AllCalculators().Rows().IsResultState(code)
           || std::count(std::begin(Code::KeypadCodes), std::end(Code::KeypadCodes), code) > 0;
}, 1);
inline const int MenuItem = FirstFree([](int item) { return AllCalculators().Rows().CalculatorOfMenuItem(item) >= 0; });
// The calculator whose menu item its own follows.
inline constexpr int FollowsInMenu = 19;

// Two typed inputs, their product, under its row's labels.
inline ProtocolOutcome ComputeProduct(const ProtocolCall& call)
{
    return ProtocolOutcome::Number(call.inputs[0] * call.inputs[1], call.FormulaLabel(), call.ShownLabel());
}

// How it departs from the common steps: not at all, save its formula.
inline const ProtocolCalculator Product{
    .compute = ComputeProduct,
};

// Title "Puissance", help page on the calculators working together; its inputs prompt "Hauteur"
// and "Base", its result "Puissance (W)" written "Puissance" in the formula.
inline const CalculatorDescription& Row()
{
    static const CalculatorDescription row{
        .number = Number, .titleId = 104, .helpPageId = 1043, .menuItem = MenuItem,
        .offers = KeypadCalculatorsAnd(),
        .resultCode = ResultCode,
        .inputs = {Typed(Plain(40)), Typed(Plain(41))},
        .result = Plain(105),
        .formulaLabelId = 104,
        .keys = ProtocolKeys(Product),
    };
    return row;
}

// Its row, and its menu item in the middle of the menu.
inline void InstallExtraFamily(CalculatorCatalogue& catalogue)
{
    catalogue.Rows().Register({Row()});
    std::vector<int> menu = CalculatorsMenuOrder();
    menu.insert(std::find(menu.begin(), menu.end(), FollowsInMenu) + 1, Number);
    catalogue.Rows().SetMenuOrder(std::move(menu));
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
