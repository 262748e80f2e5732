#include "calculators/building/descriptions.h"

#include "core/tables.h"

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

OptionGroup Options(std::vector<OptionButton> buttons, int VariantSelections::*selection)
{
    return OptionGroup{std::move(buttons), selection};
}

CalculatorDescription Row(int number, int resultCode, std::vector<InputDescription> inputs, Label result,
                          const char* compute, const char* nextTerm, const char* undo)
{
    CalculatorDescription row;
    row.number = number;
    row.resultCode = resultCode;
    row.inputs = std::move(inputs);
    row.result = result;
    row.handlers = HandlerNames{compute, nextTerm, nullptr, undo};
    return row;
}

std::vector<CalculatorDescription> BuildRows()
{
    std::vector<CalculatorDescription> rows;

    // 17: span (cm), load class, spacing (cm) -> the section's name.
    CalculatorDescription section = Row(17, Code::RafterSectionResult,
                                        {Typed(Always(52), true), Choice(Plain(53), LoadClassRows),
                                         Typed(Always(54), true)},
                                        Always(57, S::RafterSection), "PCalcul17Click", "PEt17Click",
                                        "UndoRafterSectionInput");
    section.handlers.listChoice = "ListBox17Click";
    rows.push_back(section);

    // 18: span (cm), load class, section -> the spacing. The section list holds the
    // inch names when the unit is the inch; its rows here are the centimetre names.
    CalculatorDescription spacing = Row(18, Code::RafterSpacingResult,
                                        {Typed(Always(52), true), Choice(Plain(53), LoadClassRows),
                                         Choice(Always(57, S::RafterSection), SectionRows)},
                                        Always(54), "PCalcul18Click", "PEt18Click", "UndoRafterSpacingInput");
    spacing.handlers.listChoice = "ListBox18Click";
    spacing.formulaLabelId = 56;
    spacing.replayListInput = 1;
    rows.push_back(spacing);

    // 19: tile length, overlap -> tile gauge.
    rows.push_back(Row(19, Code::TileGaugeResult, {Typed(Always(58)), Typed(Always(59))}, Always(60),
                       "PCalcul19Click", "PEt19Click", "UndoTileGaugeInput"));

    // 21: slope length and width, tile width, gauge -> tiles or battens. The result
    // labels ("Tuiles", "Linéaire") follow the option.
    CalculatorDescription roof = Row(21, Code::RoofResult,
                                     {Typed(Always(61)), Typed(Always(62)), Typed(Always(64)), Typed(Always(60))},
                                     Label{}, "PCalcul21Click", "PEt21Click", "UndoRoofInput");
    roof.options = Options({{"RbtnTuiles", QStringLiteral("Tuiles"), "RbtnTuilesClick"},
                            {"RbtnLiteaux", QStringLiteral("Liteaux"), "RbtnLiteauxClick"}},
                           &VariantSelections::RoofOutput);
    roof.clearResetsOption = true;
    rows.push_back(roof);

    // 23: volume, kind of concrete -> the quantity of one ingredient.
    CalculatorDescription concrete = Row(23, Code::ConcreteResult,
                                         {Typed(Always(69, S::Volume)),
                                          Choice(Plain(70), ConcreteRows, ConcreteShortRows)},
                                         Label{}, "PCalcul23Click", "PEt23Click", "UndoConcreteInput");
    concrete.handlers.listChoice = "ListBox23Click";
    concrete.options = Options({{"RbtnCiment", QStringLiteral("Ciment"), "RbtnCimentClick"},
                                {"RbtnEau", QStringLiteral("Eau"), "RbtnEauClick"},
                                {"RbtnSable", QStringLiteral("Sable"), "RbtnSableClick"},
                                {"RbtnGravier", QStringLiteral("Gravier"), "RbtnGravierClick"}},
                               &VariantSelections::ConcreteOutput);
    concrete.clearResetsOption = true;
    rows.push_back(concrete);

    // 24: surface, slab length and width -> slabs or glue.
    CalculatorDescription slabs = Row(24, Code::SlabsResult,
                                      {Typed(Always(37, S::Area)), Typed(Always(75)), Typed(Always(76))},
                                      Plain(77), "PCalcul24Click", "PEt24Click", "UndoSlabTileInput");
    slabs.options = Options({{"RbtnDalles", QStringLiteral("Dalles"), "RbtnDallesClick"},
                             {"RbtnColle", QStringLiteral("Colle"), "RbtnColleClick"}},
                            &VariantSelections::SlabsOutput);
    rows.push_back(slabs);

    // 25 and 26: paint in litres.
    CalculatorDescription ceiling = Row(25, Code::PaintResult,
                                        {Typed(Always(78, S::Area)), Choice(Plain(79), SurfaceRows),
                                         Typed(Always(80, S::Yield)), Typed(Plain(81))},
                                        Plain(82), "PCalcul25Click", "PEt25Click", "UndoCeilingPaintInput");
    ceiling.handlers.listChoice = "ListBox25Click";
    ceiling.formulaLabelId = 83;
    ceiling.replaySelects = false;
    rows.push_back(ceiling);

    CalculatorDescription walls = Row(26, Code::PaintResult,
                                      {Typed(Always(78, S::Area)), Typed(Always(84, S::Area)),
                                       Choice(Plain(79), SurfaceRows), Typed(Always(80, S::Yield)),
                                       Typed(Plain(81))},
                                      Plain(82), "PCalcul26Click", "PEt26Click", "UndoWallPaintInput");
    walls.handlers.listChoice = "ListBox26Click";
    walls.formulaLabelId = 83;
    walls.replaySelects = false;
    rows.push_back(walls);

    // 27: rolls of wallpaper.
    rows.push_back(Row(27, Code::WallpaperResult,
                       {Typed(Always(85)), Typed(Always(86)), Typed(Always(87)), Typed(Always(88)),
                        Typed(Always(89))},
                       Plain(90), "PCalcul27Click", "PEt27Click", "UndoWallpaperInput"));

    // 28 and 29: panelling; one selection for both.
    CalculatorDescription panelling = Row(28, Code::PanellingResult,
                                          {Typed(Always(85)), Typed(Always(86)), Typed(Always(91))}, Always(63),
                                          "PCalcul28Click", "PEt28Click", "UndoPanellingInput");
    panelling.options = Options({{"RbtnLambris", QStringLiteral("Lambris"), "RbtnLambrisClick"},
                                 {"Rbtnlattes", QStringLiteral("Lattes"), "RbtnlattesClick"},
                                 {"RbtnClips", QStringLiteral("Clips"), "RbtnClipsClick"}},
                                &VariantSelections::Panelling);
    rows.push_back(panelling);

    CalculatorDescription gable = Row(29, Code::PanellingResult,
                                      {Typed(Always(85)), Typed(Always(45)), Typed(Always(86)), Typed(Always(91))},
                                      Always(63), "PCalcul29Click", "PEt29Click", "UndoGablePanellingInput");
    gable.options = Options({{"RbtnLambrisP", QStringLiteral("Lambris"), "RbtnLambrisPClick"},
                             {"RbtnlattesP", QStringLiteral("Lattes"), "RbtnlattesPClick"},
                             {"RbtnClipsP", QStringLiteral("Clips"), "RbtnClipsPClick"}},
                            &VariantSelections::Panelling);
    rows.push_back(gable);

    // 30: floor length and width (cm), laying pattern -> parquet or joists.
    CalculatorDescription parquet = Row(30, Code::ParquetResult,
                                        {Typed(Always(93), true), Typed(Always(94), true),
                                         Choice(Plain(101), LayingRows)},
                                        Always(37, S::Area), "PCalcul30Click", "PEt30Click", "UndoParquetInput");
    parquet.handlers.listChoice = "ListBox30Click";
    parquet.options = Options({{"RbtnParquet", QStringLiteral("Parquet"), "RbtnParquetClick"},
                               {"RbtnLambourdes", QStringLiteral("Lambourdes"), "RbtnLambourdesClick"}},
                              &VariantSelections::Parquet);
    rows.push_back(parquet);

    // 31: floor-to-floor height, tread depth -> riser height, steps or run. The result
    // labels ("Hauteur marches", "Marches", "Reculement") follow the option.
    CalculatorDescription stairs = Row(31, Code::StairsResult, {Typed(Always(96)), Typed(Always(99))}, Label{},
                                       "PCalcul31Click", "PEt31Click", "UndoStairsInput");
    stairs.options = Options({{"RbtnHauteur", QStringLiteral("Hauteur"), "RbtnHauteurClick"},
                              {"RbtnNombre", QStringLiteral("Nombre"), "RbtnNombreClick"},
                              {"RbtnRecul", QStringLiteral("Reculement"), "RbtnReculClick"}},
                             &VariantSelections::Stairs);
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
