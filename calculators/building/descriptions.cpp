#include "calculators/building/descriptions.h"

#include "core/tables.h"

namespace tornavel {

namespace {

// Prompt and label string numbers.
enum : int {
    Area = 37,
    Span = 52,
    LoadClass = 53,
    Spacing = 54,
    SectionCm = 55,
    Section = 57,
    TileLength = 58,
    Overlap = 59,
    TileGauge = 60,
    SlopeLength = 61,
    SlopeWidth = 62,
    TileWidth = 64,
    ConcreteVolume = 69,
    ConcreteType = 70,
    SlabLength = 75,
    SlabWidth = 76,
    Slabs = 77,
};

constexpr Label Length(int id) { return {id, UnitSuffix::Length, SuffixShown::Always}; }
constexpr Label Plain(int id) { return {id, UnitSuffix::None, SuffixShown::Always}; }

InputDescription Typed(Label prompt, bool centimetres = false)
{
    InputDescription input;
    input.prompt = prompt;
    input.centimetres = centimetres;
    return input;
}

InputDescription Chosen(Label prompt, ListRowsFunction rows, ListRowsFunction shortTexts = nullptr)
{
    InputDescription input;
    input.prompt = prompt;
    input.list = true;
    input.rows = rows;
    input.shortTexts = shortTexts;
    return input;
}

QStringList LoadClassRows(const InputValues&, const QString&) { return RafterLoadClasses.items(); }
QStringList SectionRows(const InputValues&, const QString&) { return RafterSectionNames.items(); }
QStringList ConcreteRows(const InputValues&, const QString&) { return ConcreteTypeNames.items(); }
QStringList ConcreteShortTexts(const InputValues&, const QString&) { return ConcreteTypeShortNames.items(); }

CalculatorDescription Calculator(int number, int resultCode, std::vector<InputDescription> inputs, Label result,
                                 HandlerNames handlers, OptionGroup options = {})
{
    CalculatorDescription d;
    d.number = number;
    d.resultCode = resultCode;
    d.inputs = std::move(inputs);
    d.result = result;
    d.handlers = handlers;
    d.options = std::move(options);
    return d;
}

const std::vector<CalculatorDescription>& Rows()
{
    static const std::vector<CalculatorDescription> rows{
        Calculator(17, 14, {Typed(Length(Span), true), Chosen(Plain(LoadClass), LoadClassRows), Typed(Length(Spacing), true)},
                   Plain(Section), {"PCalcul17Click", "PEt17Click", "ListBox17Click", "UndoRafterSectionInput"}),
        Calculator(18, 15,
                   {Typed(Length(Span), true), Chosen(Plain(LoadClass), LoadClassRows), Chosen(Plain(SectionCm), SectionRows)},
                   Length(Spacing), {"PCalcul18Click", "PEt18Click", "ListBox18Click", "UndoRafterSpacingInput"}),
        Calculator(19, 16, {Typed(Length(TileLength)), Typed(Length(Overlap))}, Length(TileGauge),
                   {"PCalcul19Click", "PEt19Click", nullptr, "UndoTileGaugeInput"}),
        // The result label is "Tuiles" or "Linéaire", by the option button.
        Calculator(21, 17,
                   {Typed(Length(SlopeLength)), Typed(Length(SlopeWidth)), Typed(Length(TileWidth)),
                    Typed(Length(TileGauge))},
                   Label{}, {"PCalcul21Click", "PEt21Click", nullptr, "UndoRoofInput"},
                   OptionGroup{{{"RbtnTuiles", QStringLiteral("Tuiles"), "RbtnTuilesClick"},
                                {"RbtnLiteaux", QStringLiteral("Liteaux"), "RbtnLiteauxClick"}},
                               &VariantSelections::RoofOutput}),
        // The result label names the ingredient chosen by the option button.
        Calculator(23, 19,
                   {Typed(Label{ConcreteVolume, UnitSuffix::Volume, SuffixShown::Always}),
                    Chosen(Plain(ConcreteType), ConcreteRows, ConcreteShortTexts)},
                   Label{}, {"PCalcul23Click", "PEt23Click", "ListBox23Click", "UndoConcreteInput"},
                   OptionGroup{{{"RbtnCiment", QStringLiteral("Ciment"), "RbtnCimentClick"},
                                {"RbtnEau", QStringLiteral("Eau"), "RbtnEauClick"},
                                {"RbtnSable", QStringLiteral("Sable"), "RbtnSableClick"},
                                {"RbtnGravier", QStringLiteral("Gravier"), "RbtnGravierClick"}},
                               &VariantSelections::ConcreteOutput}),
        Calculator(24, 20,
                   {Typed(Label{Area, UnitSuffix::Area, SuffixShown::Always}), Typed(Length(SlabLength)),
                    Typed(Length(SlabWidth))},
                   Plain(Slabs), {"PCalcul24Click", "PEt24Click", nullptr, "UndoSlabTileInput"},
                   OptionGroup{{{"RbtnDalles", QStringLiteral("Dalles"), "RbtnDallesClick"},
                                {"RbtnColle", QStringLiteral("Colle"), "RbtnColleClick"}},
                               &VariantSelections::SlabsOutput}),
    };
    return rows;
}

} // namespace

void InstallBuildingDescriptions(CalculatorRegistry& registry)
{
    for (const CalculatorDescription& row : Rows())
        registry.Register(row);
}

} // namespace tornavel
