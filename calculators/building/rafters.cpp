// The rafter section (17) and rafter spacing (18) calculators: the same rafter table
// read in the two directions. Spans and spacings are held in centimetres.

#include "calculators/building/building.h"

#include "calculators/building/tables.h"
#include "calculators/building/texts.h"
#include "calculators/protocol/rounding.h"
#include "core/units.h"

namespace tornavel {

namespace {

constexpr double kShortestSpan = 50.0;    // cm
constexpr double kLongestSpan = 400.0;    // cm
constexpr double kSmallestSpacing = 6.0;  // cm, excluded
constexpr double kLargestSpacing = 285.0; // cm

// The span (input 0) must lie between 50 and 400 cm.
bool AcceptsSpan(const ProtocolCall&, int k, double value)
{
    return k != 0 || (value >= kShortestSpan && value <= kLongestSpan);
}

// The first section, in table order, that allows the spacing for the span and load,
// under its row's label: "Section (cm)", or in inches "Section (in)".
ProtocolOutcome ComputeSection(const ProtocolCall& call)
{
    const double spacing = call.inputs[2];
    if (!(spacing > kSmallestSpacing && spacing <= kLargestSpacing))
        return ProtocolOutcome::Refuse();
    const std::optional<int> spanClass = RafterSpanClass(call.inputs[0]);
    const std::optional<int> load = TruncatedIndex(call.inputs[1]);
    if (!spanClass || !load)
        return ProtocolOutcome::Refuse();
    const TextTable<RafterSectionCount>& names = call.inInches() ? RafterSectionNamesInch : RafterSectionNames;
    for (int section = 0; section < RafterSectionCount; ++section) {
        const std::optional<double> allowed = RafterSpacing(*spanClass, section, *load);
        if (!allowed)
            return ProtocolOutcome::Refuse();
        // A section not offered (-1) never fits: the spacing is above 6 cm.
        if (spacing <= *allowed)
            return ProtocolOutcome::Named(*names.at(section), call.FormulaLabel(), call.ShownLabel());
    }
    return ProtocolOutcome::Refuse();
}

// The spacing that the section allows for the span and load, in the user's unit;
// "#NV" where the table offers the section for no such combination.
ProtocolOutcome ComputeSpacing(const ProtocolCall& call)
{
    const QString label = call.FormulaLabel();
    const QString shown = call.ShownLabel();
    const std::optional<int> spanClass = RafterSpanClass(call.inputs[0]);
    const std::optional<int> load = TruncatedIndex(call.inputs[1]);
    const std::optional<int> section = TruncatedIndex(call.inputs[2]);
    if (!spanClass || !load || !section)
        return ProtocolOutcome::Refuse();
    const std::optional<double> spacing = RafterSpacing(*spanClass, *section, *load);
    if (!spacing)
        return ProtocolOutcome::Refuse();
    if (*spacing == NoRafterSpacing)
        return ProtocolOutcome::Missing(label, shown);
    return ProtocolOutcome::Number(FromCentimetres(*spacing, call.unitScaleCode), label, shown);
}

// "&&" names the unit of the section list ("Section (in)" in inches); CE asks for the
// section with the one text "Section (cm)" in every unit.
QString SpacingUndoPrompt(const ProtocolCall& call, int k)
{
    return k == 2 ? call.Text(building::text::SectionInCm) : QString();
}

// The load classes, then the sections named in the user's unit (in inches in inches,
// in centimetres otherwise).
QStringList SpacingListRows(int k, int unitScaleCode)
{
    if (k == 1)
        return RafterLoadClasses.items();
    return UnitOfMeasureOf(unitScaleCode).imperial ? RafterSectionNamesInch.items() : RafterSectionNames.items();
}

} // namespace

const ProtocolCalculator RafterSectionCalculator{
    .acceptsInput = AcceptsSpan,
    .undoReselectsChoice = true,
    .compute = ComputeSection,
    .keypadAfter = KeypadAfter::Off,
    .terms = TermsText::AsTyped,
};

const ProtocolCalculator RafterSpacingCalculator{
    .acceptsInput = AcceptsSpan,
    .undoPrompt = SpacingUndoPrompt,
    .unitListRows = SpacingListRows,
    .listStepFlagsReselect = true,
    .undoReselectsChoice = true,
    .compute = ComputeSpacing,
    .keypadAfter = KeypadAfter::On,
    .listAtCompute = ListAtCompute::HiddenAfter,
    .terms = TermsText::AsTyped,
};

} // namespace tornavel
