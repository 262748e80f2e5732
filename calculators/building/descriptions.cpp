#include "calculators/building/descriptions.h"

#include "calculators/building/building.h"
#include "calculators/building/tables.h"
#include "calculators/building/texts.h"
#include "calculators/rows.h"

namespace tornavel {

namespace {

using namespace building;
using S = UnitSuffix;

// Every prompt of these calculators with a unit suffix shows it whatever the unit
// display option says; their sub-calculations show their units.

QStringList LoadClassRows(const InputValues&, const QString&) { return RafterLoadClasses.items(); }
QStringList SectionRows(const InputValues&, const QString&) { return RafterSectionNames.items(); }
QStringList ConcreteRows(const InputValues&, const QString&) { return ConcreteTypeNames.items(); }
QStringList ConcreteShortRows(const InputValues&, const QString&) { return ConcreteTypeShortNames.items(); }
QStringList SurfaceRows(const InputValues&, const QString&) { return SurfaceTypeNames.items(); }
QStringList LayingRows(const InputValues&, const QString&) { return LayingPatternNames.items(); }

std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // Span (cm), load class, spacing (cm) -> the section's name.
    rows.push_back({
        .number = 17,
        .titleId = 21,
        .helpPageId = 1020,
        .menuItem = 18,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = RafterSectionResultCode,
        .inputs = {TypedInCentimetres(SuffixAlways(text::Span, S::Length)),
                   Choice(Plain(text::LoadClass), LoadClassRows),
                   TypedInCentimetres(SuffixAlways(text::Spacing, S::Length))},
        .result = SuffixAlways(text::Section, S::RafterSection),
        .keys = ProtocolKeys(RafterSectionCalculator),
    });

    // Span (cm), load class, section -> the spacing. The section list holds the inch
    // names when the unit is the inch; its rows here are the centimetre names.
    rows.push_back({
        .number = 18,
        .titleId = 22,
        .helpPageId = 1021,
        .menuItem = 19,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = RafterSpacingResultCode,
        .inputs = {TypedInCentimetres(SuffixAlways(text::Span, S::Length)),
                   Choice(Plain(text::LoadClass), LoadClassRows),
                   Choice(SuffixAlways(text::Section, S::RafterSection), SectionRows)},
        .result = SuffixAlways(text::Spacing, S::Length),
        .formulaLabelId = text::SpacingFormula,
        .replayListInput = 1,
        .keys = ProtocolKeys(RafterSpacingCalculator),
    });

    // Tile length, overlap -> tile gauge.
    rows.push_back({
        .number = 19,
        .titleId = 23,
        .helpPageId = 1022,
        .menuItem = 20,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = TileGaugeResultCode,
        .inputs = {Typed(SuffixAlways(text::TileLength, S::Length)), Typed(SuffixAlways(text::Overlap, S::Length))},
        .result = SuffixAlways(text::TileGauge, S::Length),
        .keys = ProtocolKeys(TileGaugeCalculator),
    });

    // Slope length and width, tile width, gauge -> tiles or battens. The result labels
    // ("Tuiles", "Linéaire") follow the option. The tile gauge (19) is offered.
    rows.push_back({
        .number = 21,
        .titleId = 24,
        .helpPageId = 1024,
        .menuItem = 22,
        .offers = KeypadCalculatorsAnd({19}),
        .subCalculationsShowUnits = true,
        .resultCode = RoofResultCode,
        .inputs = {Typed(SuffixAlways(text::SlopeLength, S::Length)),
                   Typed(SuffixAlways(text::SlopeWidth, S::Length)),
                   Typed(SuffixAlways(text::TileWidth, S::Length)),
                   Typed(SuffixAlways(text::TileGauge, S::Length))},
        .options = {.buttons = {{"RbtnTuiles", QStringLiteral("Tuiles")}, {"RbtnLiteaux", QStringLiteral("Liteaux")}}},
        .clearResetsOption = true,
        .keys = ProtocolKeys(RoofCalculator),
    });

    // Volume, kind of concrete -> the quantity of one ingredient. The volumes (11-15)
    // are offered.
    rows.push_back({
        .number = 23,
        .titleId = 26,
        .helpPageId = 1026,
        .menuItem = 27,
        .offers = KeypadCalculatorsAnd({11, 12, 13, 14, 15}),
        .subCalculationsShowUnits = true,
        .resultCode = ConcreteResultCode,
        .inputs = {Typed(SuffixAlways(text::ConcreteVolume, S::Volume)),
                   Choice(Plain(text::ConcreteType), ConcreteRows, ConcreteShortRows)},
        .options = {.buttons = {{"RbtnCiment", QStringLiteral("Ciment")},
                                {"RbtnEau", QStringLiteral("Eau")},
                                {"RbtnSable", QStringLiteral("Sable")},
                                {"RbtnGravier", QStringLiteral("Gravier")}}},
        .clearResetsOption = true,
        .keys = ProtocolKeys(ConcreteCalculator),
    });

    // Surface, slab length and width -> slabs or glue. The areas of circles, sectors,
    // parallelograms and trapezoids (3, 4, 8, 9) are offered.
    rows.push_back({
        .number = 24,
        .titleId = 27,
        .helpPageId = 1027,
        .menuItem = 28,
        .offers = KeypadCalculatorsAnd({3, 4, 8, 9}),
        .subCalculationsShowUnits = true,
        .resultCode = SlabsResultCode,
        .inputs = {Typed(SuffixAlways(text::Surface, S::Area)),
                   Typed(SuffixAlways(text::SlabLength, S::Length)),
                   Typed(SuffixAlways(text::SlabWidth, S::Length))},
        .result = Plain(text::Slabs),
        .options = {.buttons = {{"RbtnDalles", QStringLiteral("Dalles")}, {"RbtnColle", QStringLiteral("Colle")}}},
        .keys = ProtocolKeys(SlabsCalculator),
    });

    // Paint in litres, for a ceiling (the areas of circles, sectors, ellipses,
    // parallelograms and trapezoids offered: 3-5, 8, 9) or for walls (parallelograms,
    // trapezoids and the house walls: 8-10).
    rows.push_back({
        .number = 25,
        .titleId = 28,
        .helpPageId = 1028,
        .menuItem = 30,
        .offers = KeypadCalculatorsAnd({3, 4, 5, 8, 9}),
        .subCalculationsShowUnits = true,
        .resultCode = PaintResultCode,
        .inputs = {Typed(SuffixAlways(text::PaintedSurface, S::Area)),
                   Choice(Plain(text::SurfaceType), SurfaceRows),
                   Typed(SuffixAlways(text::Yield, S::Yield)),
                   Typed(Plain(text::Coats))},
        .result = Plain(text::PaintLitres),
        .formulaLabelId = text::Paint,
        .replaySelects = false,
        .keys = ProtocolKeys(CeilingPaintCalculator),
    });

    rows.push_back({
        .number = 26,
        .titleId = 29,
        .helpPageId = 1029,
        .menuItem = 31,
        .offers = KeypadCalculatorsAnd({8, 9, 10}),
        .subCalculationsShowUnits = true,
        .resultCode = PaintResultCode,
        .inputs = {Typed(SuffixAlways(text::PaintedSurface, S::Area)),
                   Typed(SuffixAlways(text::Openings, S::Area)),
                   Choice(Plain(text::SurfaceType), SurfaceRows),
                   Typed(SuffixAlways(text::Yield, S::Yield)),
                   Typed(Plain(text::Coats))},
        .result = Plain(text::PaintLitres),
        .formulaLabelId = text::Paint,
        .replaySelects = false,
        .keys = ProtocolKeys(WallPaintCalculator),
    });

    // Rolls of wallpaper.
    rows.push_back({
        .number = 27,
        .titleId = 30,
        .helpPageId = 1030,
        .menuItem = 32,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = WallpaperResultCode,
        .inputs = {Typed(SuffixAlways(text::WallLength, S::Length)),
                   Typed(SuffixAlways(text::WallHeight, S::Length)),
                   Typed(SuffixAlways(text::RollLength, S::Length)),
                   Typed(SuffixAlways(text::RollWidth, S::Length)),
                   Typed(SuffixAlways(text::Extras, S::Length))},
        .result = Plain(text::Rolls),
        .keys = ProtocolKeys(WallpaperCalculator),
    });

    // Panelling of a wall and of a gable wall; one selection for both.
    rows.push_back({
        .number = 28,
        .titleId = 149,
        .helpPageId = 1031,
        .menuItem = 25,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = PanellingResultCode,
        .inputs = {Typed(SuffixAlways(text::WallLength, S::Length)),
                   Typed(SuffixAlways(text::WallHeight, S::Length)),
                   Typed(SuffixAlways(text::BoardWidth, S::Length))},
        .result = SuffixAlways(text::Linear, S::Length),
        .options = {.buttons = {{"RbtnLambris", QStringLiteral("Lambris")},
                                {"Rbtnlattes", QStringLiteral("Lattes")},
                                {"RbtnClips", QStringLiteral("Clips")}},
                    .group = "Panelling"},
        .keys = ProtocolKeys(WallPanellingCalculator),
    });

    rows.push_back({
        .number = 29,
        .titleId = 176,
        .helpPageId = 1032,
        .menuItem = 26,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = PanellingResultCode,
        .inputs = {Typed(SuffixAlways(text::WallLength, S::Length)),
                   Typed(SuffixAlways(text::GableHeight, S::Length)),
                   Typed(SuffixAlways(text::WallHeight, S::Length)),
                   Typed(SuffixAlways(text::BoardWidth, S::Length))},
        .result = SuffixAlways(text::Linear, S::Length),
        .options = {.buttons = {{"RbtnLambrisP", QStringLiteral("Lambris")},
                                {"RbtnlattesP", QStringLiteral("Lattes")},
                                {"RbtnClipsP", QStringLiteral("Clips")}},
                    .group = "Panelling"},
        .keys = ProtocolKeys(GablePanellingCalculator),
    });

    // Floor length and width (cm), laying pattern -> parquet or joists.
    rows.push_back({
        .number = 30,
        .titleId = 177,
        .helpPageId = 1033,
        .menuItem = 29,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = ParquetResultCode,
        .inputs = {TypedInCentimetres(SuffixAlways(text::FloorLength, S::Length)),
                   TypedInCentimetres(SuffixAlways(text::FloorWidth, S::Length)),
                   Choice(Plain(text::Laying), LayingRows)},
        .result = SuffixAlways(text::Surface, S::Area),
        .options = {.buttons = {{"RbtnParquet", QStringLiteral("Parquet")},
                                {"RbtnLambourdes", QStringLiteral("Lambourdes")}}},
        .keys = ProtocolKeys(ParquetCalculator),
    });

    // Floor-to-floor height, tread depth -> riser height, steps or run. The result
    // labels ("Hauteur marches", "Marches", "Reculement") follow the option.
    rows.push_back({
        .number = 31,
        .titleId = 31,
        .helpPageId = 1034,
        .menuItem = 24,
        .offers = KeypadCalculatorsAnd(),
        .subCalculationsShowUnits = true,
        .resultCode = StairsResultCode,
        .inputs = {Typed(SuffixAlways(text::FloorToFloor, S::Length)), Typed(SuffixAlways(text::Tread, S::Length))},
        .options = {.buttons = {{"RbtnHauteur", QStringLiteral("Hauteur")},
                                {"RbtnNombre", QStringLiteral("Nombre")},
                                {"RbtnRecul", QStringLiteral("Reculement")}}},
        .keys = ProtocolKeys(StairsCalculator),
    });

    return rows;
}

} // namespace

void InstallBuildingDescriptions(CalculatorRegistry& registry)
{
    registry.Register(BuildRows());
}

} // namespace tornavel
