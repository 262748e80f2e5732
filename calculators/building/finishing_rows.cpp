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

// ---- 25, 26 ---------------------------------------------------------------------------

bool AcceptsCeilingPaint(const ProtocolCall& call, int k, double value)
{
    return CeilingPaintAccepts(value, k, call.inputs, call.unitScaleCode);
}
bool AcceptsWallPaint(const ProtocolCall& call, int k, double value)
{
    return WallPaintAccepts(value, k, call.inputs, call.unitScaleCode);
}
ProtocolOutcome ComputeCeilingPaint(const ProtocolCall& call)
{
    return Shown(call, CeilingPaint(call.inputs, call.unitScaleCode));
}
ProtocolOutcome ComputeWallPaint(const ProtocolCall& call)
{
    return Shown(call, WallPaint(call.inputs, call.unitScaleCode));
}

// ---- 27 -------------------------------------------------------------------------------

bool AcceptsWallpaper(const ProtocolCall& call, int k, double value)
{
    return WallpaperAccepts(value, k, call.inputs, call.unitScaleCode);
}
ProtocolOutcome ComputeWallpaper(const ProtocolCall& call)
{
    return Shown(call, Wallpaper(call.inputs, call.unitScaleCode));
}

// ---- 28, 29 ---------------------------------------------------------------------------

bool AcceptsGablePanelling(const ProtocolCall& call, int k, double value)
{
    return GablePanellingAccepts(value, k, call.inputs, call.unitScaleCode);
}
ProtocolOutcome ComputeWallPanelling(const ProtocolCall& call)
{
    return Shown(call, WallPanelling(call.inputs, call.unitScaleCode, call.variant));
}
ProtocolOutcome ComputeGablePanelling(const ProtocolCall& call)
{
    return Shown(call, GablePanelling(call.inputs, call.unitScaleCode, call.variant));
}

// ---- 30 -------------------------------------------------------------------------------

// The sides reach the check already in centimetres: they are checked as typed in
// centimetres.
bool AcceptsParquet(const ProtocolCall& call, int k, double value)
{
    constexpr int InCentimetres = 10;
    return ParquetAccepts(value, k, call.inputs, InCentimetres);
}
ProtocolOutcome ComputeParquet(const ProtocolCall& call)
{
    return Shown(call, Parquet(call.inputs, call.unitScaleCode, call.variant));
}

// ---- 31 -------------------------------------------------------------------------------

ProtocolOutcome ComputeStairs(const ProtocolCall& call)
{
    return Shown(call, Stairs(call.inputs, call.unitScaleCode, call.variant));
}

} // namespace

// A yield of 0, openings not below the surface, a fractional number of coats: the
// input-error path. The computation is one guarded block.
const ProtocolCalculator CeilingPaintCalculator{
    .number = 25,
    .acceptsInput = AcceptsCeilingPaint,
    .undoReselectsChoice = true,
    .compute = ComputeCeilingPaint,
    .rerunMarker = RerunMarker::None,
    .terms = TermsText::AsTyped,
};

const ProtocolCalculator WallPaintCalculator{
    .number = 26,
    .acceptsInput = AcceptsWallPaint,
    .undoReselectsChoice = true,
    .compute = ComputeWallPaint,
    .rerunMarker = RerunMarker::None,
    .terms = TermsText::AsTyped,
};

// A roll too short for one strip, or a roll width of 0, raises the floating-point
// error; a supplement of 150 cm or more is an input error.
const ProtocolCalculator WallpaperCalculator{
    .number = 27,
    .acceptsInput = AcceptsWallpaper,
    .compute = ComputeWallpaper,
    .rerunMarker = RerunMarker::None,
    .refusal = ComputeRefusal::ByCheck,
    .terms = TermsText::AsTyped,
};

// 28 checks nothing at "&&".
const ProtocolCalculator WallPanellingCalculator{
    .number = 28,
    .compute = ComputeWallPanelling,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::ByCheck,
};

const ProtocolCalculator GablePanellingCalculator{
    .number = 29,
    .acceptsInput = AcceptsGablePanelling,
    .compute = ComputeGablePanelling,
    .rerunMarker = RerunMarker::VariantChanged,
    .refusal = ComputeRefusal::ByCheck,
};

// "f=" refuses only what its checks mend (a damaged stored side or pattern, a floor
// too large to count its joists); it leaves the keypad off and the memory alone.
const ProtocolCalculator ParquetCalculator{
    .number = 30,
    .acceptsInput = AcceptsParquet,
    .compute = ComputeParquet,
    .refusal = ComputeRefusal::ByCheck,
    .keypadAfter = KeypadAfter::Off,
    .listAtCompute = ListAtCompute::HiddenBefore,
};

const ProtocolCalculator StairsCalculator{
    .number = 31,
    .compute = ComputeStairs,
    .rerunMarker = RerunMarker::VariantChanged,
};

} // namespace tornavel
