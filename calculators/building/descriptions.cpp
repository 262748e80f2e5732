#include "calculators/building/descriptions.h"

#include "calculators/building/building.h"
#include "calculators/building/tables.h"
#include "calculators/rows.h"

namespace tornavel {

namespace {

using S = UnitSuffix;

// Every prompt of these calculators carries its unit suffix whatever the unit display
// option says.
Label Always(int id, UnitSuffix suffix = S::Length) { return {id, suffix, SuffixShown::Always}; }
Label Plain(int id) { return {id, S::None, SuffixShown::Always}; }

InputDescription Typed(Label prompt, bool centimetres = false) { return TypedInput(prompt, centimetres); }
InputDescription Choice(Label prompt, ListRowsFunction rows, ListRowsFunction shortTexts = nullptr)
{
    return ListInput(prompt, rows, shortTexts);
}

QStringList LoadClassRows(const InputValues&, const QString&) { return RafterLoadClasses.items(); }
QStringList SectionRows(const InputValues&, const QString&) { return RafterSectionNames.items(); }
QStringList ConcreteRows(const InputValues&, const QString&) { return ConcreteTypeNames.items(); }
QStringList ConcreteShortRows(const InputValues&, const QString&) { return ConcreteTypeShortNames.items(); }
QStringList SurfaceRows(const InputValues&, const QString&) { return SurfaceTypeNames.items(); }
QStringList LayingRows(const InputValues&, const QString&) { return LayingPatternNames.items(); }

OptionGroup Options(std::vector<OptionButton> buttons, const char* group = nullptr)
{
    return OptionGroup{std::move(buttons), group};
}

// Their sub-calculations show their units; most offer only the keypad calculators.
CalculatorDescription Row(const CalculatorIdentity& id, int resultCode, std::vector<InputDescription> inputs,
                          Label result, std::vector<int> offers = KeypadCalculatorsAnd())
{
    CalculatorDescription row = DescriptionOf(id);
    row.resultCode = resultCode;
    row.inputs = std::move(inputs);
    row.result = result;
    row.offers = std::move(offers);
    row.subCalculationsShowUnits = true;
    return row;
}

std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // 17: span (cm), load class, spacing (cm) -> the section's name.
    CalculatorDescription section = Row(Identity(17, 21, 1020, 18, 20, true), building::RafterSectionResultCode,
                                        {Typed(Always(52), true), Choice(Plain(53), LoadClassRows),
                                         Typed(Always(54), true)},
                                        Always(57, S::RafterSection));
    section.keys = ProtocolKeys(RafterSectionCalculator);
    rows.push_back(section);

    // 18: span (cm), load class, section -> the spacing. The section list holds the
    // inch names when the unit is the inch; its rows here are the centimetre names.
    CalculatorDescription spacing = Row(Identity(18, 22, 1021, 19, 21), building::RafterSpacingResultCode,
                                        {Typed(Always(52), true), Choice(Plain(53), LoadClassRows),
                                         Choice(Always(57, S::RafterSection), SectionRows)},
                                        Always(54));
    spacing.keys = ProtocolKeys(RafterSpacingCalculator);
    spacing.formulaLabelId = 56;
    spacing.replayListInput = 1;
    rows.push_back(spacing);

    // 19: tile length, overlap -> tile gauge.
    CalculatorDescription tileGauge = Row(Identity(19, 23, 1022, 20, 22), building::TileGaugeResultCode,
                                          {Typed(Always(58)), Typed(Always(59))}, Always(60));
    tileGauge.keys = ProtocolKeys(TileGaugeCalculator);
    rows.push_back(tileGauge);

    // 21: slope length and width, tile width, gauge -> tiles or battens. The result
    // labels ("Tuiles", "Linéaire") follow the option. The tile gauge (19) is offered.
    CalculatorDescription roof = Row(Identity(21, 24, 1024, 22, 23), building::RoofResultCode,
                                     {Typed(Always(61)), Typed(Always(62)), Typed(Always(64)), Typed(Always(60))},
                                     Label{}, KeypadCalculatorsAnd({19}));
    roof.keys = ProtocolKeys(RoofCalculator);
    roof.options = Options({{"RbtnTuiles", QStringLiteral("Tuiles")},
                            {"RbtnLiteaux", QStringLiteral("Liteaux")}});
    roof.clearResetsOption = true;
    rows.push_back(roof);

    // 23: volume, kind of concrete -> the quantity of one ingredient. The volumes
    // (11-15) are offered.
    CalculatorDescription concrete = Row(Identity(23, 26, 1026, 27, 28), building::ConcreteResultCode,
                                         {Typed(Always(69, S::Volume)),
                                          Choice(Plain(70), ConcreteRows, ConcreteShortRows)},
                                         Label{}, KeypadCalculatorsAnd({11, 12, 13, 14, 15}));
    concrete.keys = ProtocolKeys(ConcreteCalculator);
    concrete.options = Options({{"RbtnCiment", QStringLiteral("Ciment")},
                                {"RbtnEau", QStringLiteral("Eau")},
                                {"RbtnSable", QStringLiteral("Sable")},
                                {"RbtnGravier", QStringLiteral("Gravier")}});
    concrete.clearResetsOption = true;
    rows.push_back(concrete);

    // 24: surface, slab length and width -> slabs or glue. The areas of circles,
    // sectors, parallelograms and trapezoids (3, 4, 8, 9) are offered.
    CalculatorDescription slabs = Row(Identity(24, 27, 1027, 28, 29), building::SlabsResultCode,
                                      {Typed(Always(37, S::Area)), Typed(Always(75)), Typed(Always(76))},
                                      Plain(77), KeypadCalculatorsAnd({3, 4, 8, 9}));
    slabs.keys = ProtocolKeys(SlabsCalculator);
    slabs.options = Options({{"RbtnDalles", QStringLiteral("Dalles")},
                             {"RbtnColle", QStringLiteral("Colle")}});
    rows.push_back(slabs);

    // 25 and 26: paint in litres, for a ceiling (the areas of circles, sectors,
    // ellipses, parallelograms and trapezoids offered: 3-5, 8, 9) or for walls
    // (parallelograms, trapezoids and the house walls: 8-10).
    CalculatorDescription ceiling = Row(Identity(25, 28, 1028, 30, 30), building::PaintResultCode,
                                        {Typed(Always(78, S::Area)), Choice(Plain(79), SurfaceRows),
                                         Typed(Always(80, S::Yield)), Typed(Plain(81))},
                                        Plain(82), KeypadCalculatorsAnd({3, 4, 5, 8, 9}));
    ceiling.keys = ProtocolKeys(CeilingPaintCalculator);
    ceiling.formulaLabelId = 83;
    ceiling.replaySelects = false;
    rows.push_back(ceiling);

    CalculatorDescription walls = Row(Identity(26, 29, 1029, 31, 31), building::PaintResultCode,
                                      {Typed(Always(78, S::Area)), Typed(Always(84, S::Area)),
                                       Choice(Plain(79), SurfaceRows), Typed(Always(80, S::Yield)),
                                       Typed(Plain(81))},
                                      Plain(82), KeypadCalculatorsAnd({8, 9, 10}));
    walls.keys = ProtocolKeys(WallPaintCalculator);
    walls.formulaLabelId = 83;
    walls.replaySelects = false;
    rows.push_back(walls);

    // 27: rolls of wallpaper.
    CalculatorDescription wallpaper = Row(Identity(27, 30, 1030, 32, 32), building::WallpaperResultCode,
                                          {Typed(Always(85)), Typed(Always(86)), Typed(Always(87)),
                                           Typed(Always(88)), Typed(Always(89))},
                                          Plain(90));
    wallpaper.keys = ProtocolKeys(WallpaperCalculator);
    rows.push_back(wallpaper);

    // 28 and 29: panelling; one selection for both.
    CalculatorDescription panelling = Row(Identity(28, 149, 1031, 25, 25), building::PanellingResultCode,
                                          {Typed(Always(85)), Typed(Always(86)), Typed(Always(91))}, Always(63));
    panelling.keys = ProtocolKeys(WallPanellingCalculator);
    panelling.options = Options({{"RbtnLambris", QStringLiteral("Lambris")},
                                 {"Rbtnlattes", QStringLiteral("Lattes")},
                                 {"RbtnClips", QStringLiteral("Clips")}},
                                "Panelling");
    rows.push_back(panelling);

    CalculatorDescription gable = Row(Identity(29, 176, 1032, 26, 26), building::PanellingResultCode,
                                      {Typed(Always(85)), Typed(Always(45)), Typed(Always(86)), Typed(Always(91))},
                                      Always(63));
    gable.keys = ProtocolKeys(GablePanellingCalculator);
    gable.options = Options({{"RbtnLambrisP", QStringLiteral("Lambris")},
                             {"RbtnlattesP", QStringLiteral("Lattes")},
                             {"RbtnClipsP", QStringLiteral("Clips")}},
                            "Panelling");
    rows.push_back(gable);

    // 30: floor length and width (cm), laying pattern -> parquet or joists.
    CalculatorDescription parquet = Row(Identity(30, 177, 1033, 29, 27), building::ParquetResultCode,
                                        {Typed(Always(93), true), Typed(Always(94), true),
                                         Choice(Plain(101), LayingRows)},
                                        Always(37, S::Area));
    parquet.keys = ProtocolKeys(ParquetCalculator);
    parquet.options = Options({{"RbtnParquet", QStringLiteral("Parquet")},
                               {"RbtnLambourdes", QStringLiteral("Lambourdes")}});
    rows.push_back(parquet);

    // 31: floor-to-floor height, tread depth -> riser height, steps or run. The result
    // labels ("Hauteur marches", "Marches", "Reculement") follow the option.
    CalculatorDescription stairs = Row(Identity(31, 31, 1034, 24, 24), building::StairsResultCode,
                                       {Typed(Always(96)), Typed(Always(99))}, Label{});
    stairs.keys = ProtocolKeys(StairsCalculator);
    stairs.options = Options({{"RbtnHauteur", QStringLiteral("Hauteur")},
                              {"RbtnNombre", QStringLiteral("Nombre")},
                              {"RbtnRecul", QStringLiteral("Reculement")}});
    rows.push_back(stairs);

    return rows;
}

} // namespace

void InstallBuildingDescriptions(CalculatorRegistry& registry)
{
    static const std::vector<CalculatorDescription> rows = BuildRows();
    for (const CalculatorDescription& row : rows)
        registry.Register(row);
}

} // namespace tornavel
