// The finishing calculators on the input protocol: ceiling paint (25), wall paint (26),
// wallpaper (27), wall panelling (28), gable-wall panelling (29), parquet and joists
// (30) and stairs (31). Their checks and formulas are the engine-independent
// functions of paint, wallpaper, panelling, parquet and stairs; the hooks here hand
// them the stored inputs and turn what they return into what "f=" shows.

#include "calculators/building/building.h"

#include "calculators/building/paint.h"
#include "calculators/building/panelling.h"
#include "calculators/building/parquet.h"
#include "calculators/building/stairs.h"
#include "calculators/building/texts.h"
#include "calculators/building/wallpaper.h"

namespace tornavel {

namespace {

using namespace building;

// What "f=" shows for a computed result; a refusal for none.
ProtocolOutcome Shown(const ProtocolCall& call, const Outcome& result)
{
    if (!result)
        return ProtocolOutcome::Refuse();
    const QString label = result->labelId >= 0 ? call.Text(result->labelId) : result->labelText;
    const QString formulaLabel = result->formulaLabelId >= 0 ? call.Text(result->formulaLabelId) : label;
    const QString shownLabel =
        result->suffix == UnitSuffix::None ? label : label + QLatin1Char(' ') + call.Suffix(result->suffix);
    ProtocolOutcome outcome = ProtocolOutcome::Number(result->value, formulaLabel, shownLabel);
    outcome.writesMemory = result->toMemory;
    outcome.shownText = result->text;
    if (!result->terms.empty()) {
        QStringList terms;
        for (const Term& term : result->terms)
            terms << (term.text.isEmpty() ? call.Number(term.number) : term.text);
        outcome.terms = terms.join(QLatin1Char('&'));
    }
    return outcome;
}

// The protocol hooks of a check and of a formula, with or without the option.
using Check = bool (*)(double value, int index, const InputValues& closed, int unitScaleCode);
using Formula = Outcome (*)(const InputValues& inputs, int unitScaleCode);
using VariantFormula = Outcome (*)(const InputValues& inputs, int unitScaleCode, int output);

template <Check check>
bool Accepts(const ProtocolCall& call, int k, double value)
{
    return check(value, k, call.inputs, call.unitScaleCode);
}

template <Formula formula>
ProtocolOutcome Compute(const ProtocolCall& call)
{
    return Shown(call, formula(call.inputs, call.unitScaleCode));
}

template <VariantFormula formula>
ProtocolOutcome ComputeOption(const ProtocolCall& call)
{
    return Shown(call, formula(call.inputs, call.unitScaleCode, call.variant));
}

// 30's sides reach the check already in centimetres: they are checked as typed in
// centimetres.
bool AcceptsParquet(const ProtocolCall& call, int k, double value)
{
    constexpr int InCentimetres = 10;
    return ParquetAccepts(value, k, call.inputs, InCentimetres);
}

} // namespace

// A yield of 0, openings not below the surface, a fractional number of coats: the
// input-error path. The computation is one guarded block.
const ProtocolCalculator CeilingPaintCalculator{
    .acceptsInput = Accepts<CeilingPaintAccepts>,
    .undoReselectsChoice = true,
    .compute = Compute<CeilingPaint>,
    .rerunMarker = RerunMarker::None,
    .terms = TermsText::AsTyped,
};

const ProtocolCalculator WallPaintCalculator{
    .acceptsInput = Accepts<WallPaintAccepts>,
    .undoReselectsChoice = true,
    .compute = Compute<WallPaint>,
    .rerunMarker = RerunMarker::None,
    .terms = TermsText::AsTyped,
};

// A roll too short for one strip, or a roll width of 0, raises the floating-point
// error; a supplement of 150 cm or more is an input error.
const ProtocolCalculator WallpaperCalculator{
    .acceptsInput = Accepts<WallpaperAccepts>,
    .compute = Compute<Wallpaper>,
    .rerunMarker = RerunMarker::None,
    .refusal = ComputeRefusal::ByCheck,
    .terms = TermsText::AsTyped,
};

// 28 checks nothing at "&&".
const ProtocolCalculator WallPanellingCalculator{
    .compute = ComputeOption<WallPanelling>,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::ByCheck,
};

const ProtocolCalculator GablePanellingCalculator{
    .acceptsInput = Accepts<GablePanellingAccepts>,
    .compute = ComputeOption<GablePanelling>,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::ByCheck,
};

// "f=" refuses only what its checks mend (a damaged stored side or pattern, a floor
// too large to count its joists); it leaves the keypad off and the memory alone.
const ProtocolCalculator ParquetCalculator{
    .acceptsInput = AcceptsParquet,
    .compute = ComputeOption<Parquet>,
    .refusal = ComputeRefusal::ByCheck,
    .keypadAfter = KeypadAfter::Off,
    .listAtCompute = ListAtCompute::HiddenBefore,
};

// CE asks for the height again with "Hauteur sol à sol" alone: only C and the layout
// name its unit.
QString StairsUndoPrompt(const ProtocolCall& call, int k)
{
    return k == 0 ? call.Text(text::FloorToFloor) : QString();
}

const ProtocolCalculator StairsCalculator{
    .undoPrompt = StairsUndoPrompt,
    .compute = ComputeOption<Stairs>,
    .rerunMarker = RerunMarker::VariantChanged,
};

} // namespace tornavel
