#pragma once

// The helpers with which every family writes its calculators' rows (designated
// initialisers of CalculatorDescription, core/description.h). Each name means one thing
// in every family.

#include "core/description.h"

#include <initializer_list>
#include <vector>

namespace tornavel {

// A prompt or label without a unit suffix (its unit, if any, is in its text).
constexpr Label Plain(int stringId)
{
    return {.stringId = stringId};
}
// A prompt or label followed by its unit suffix when units are shown: always, or as a
// sub-calculation of a calculator that shows them.
constexpr Label SuffixByRule(int stringId, UnitSuffix suffix)
{
    return {.stringId = stringId, .suffix = suffix, .shown = SuffixShown::ByRule};
}
// A prompt or label always followed by its unit suffix.
constexpr Label SuffixAlways(int stringId, UnitSuffix suffix)
{
    return {.stringId = stringId, .suffix = suffix, .shown = SuffixShown::Always};
}

// A prompt whose suffix follows the rule when the calculator is laid out, and shows
// always after C and the calculator's own steps.
constexpr Label SuffixByRuleAtLayout(int stringId, UnitSuffix suffix)
{
    return {.stringId = stringId, .suffix = suffix, .shown = SuffixShown::ByRuleAtLayout};
}

// A typed input; one whose value the formula takes in centimetres; one chosen in the list.
inline InputDescription Typed(Label prompt)
{
    return {.prompt = prompt};
}
inline InputDescription TypedInCentimetres(Label prompt)
{
    return {.prompt = prompt, .centimetres = true};
}
inline InputDescription Choice(Label prompt, ListRowsFunction rows, ListRowsFunction shortTexts = nullptr)
{
    return {.prompt = prompt, .list = true, .rows = rows, .shortTexts = shortTexts};
}

// The two keypad calculators, standard (0) and mathematical functions (39), which
// nearly every calculator offers as sub-calculations, followed by `more`.
inline std::vector<int> KeypadCalculatorsAnd(std::initializer_list<int> more = {})
{
    std::vector<int> offers{0, 39};
    offers.insert(offers.end(), more);
    return offers;
}

} // namespace tornavel
