#include "calculators/converters/tables.h"

namespace tornavel {

namespace {

// Each material with its density in kg per dm3.
constexpr std::array<NamedRow<double>, MaterialCount> MaterialRows{{
    // 0
    {u"Acajou d'Afrique", 0.5},
    {u"Acajou d'Amérique", 0.65},
    {u"Acier", 7.86},
    {u"Aluminium", 2.7},
    {u"Aniegre", 0.55},
    {u"Anthracite", 1.5},
    {u"Ardoise", 2.79},
    {u"Argent", 10.5},
    {u"Asphalte", 1.15},
    {u"Aulne", 0.525},
    // 10
    {u"Avodire", 0.55},
    {u"Bahia", 0.55},
    {u"Basalte", 2.99},
    {u"Bauxite", 2.45},
    {u"Béton", 2.4},
    {u"Brique", 1.5},
    {u"Calcium", 1.55},
    {u"Carbone", 2.26},
    {u"Charbon de bois", 0.335},
    {u"Châtaignier", 0.65},
    // 20
    {u"Chaux", 0.5},
    {u"Chêne", 0.725},
    {u"Chrome", 7.19},
    {u"Ciment", 3.15},
    {u"Craie", 2.01},
    {u"Cuivre", 8.96},
    {u"Cyprès", 0.45},
    {u"Diamant", 3.52},
    {u"Diorite", 2.85},
    {u"Diorite quartzeuse", 2.79},
    // 30
    {u"Eau de mer", 1.03},
    {u"Ebènes", 1.1},
    {u"Erables", 0.695},
    {u"Etain", 7.31},
    {u"Eucalyptus", 0.725},
    {u"Framiré", 0.525},
    {u"Frêne", 0.7},
    {u"Granite", 2.64},
    {u"Graphite", 2.15},
    {u"Gravier", 1.8},
    // 40
    {u"Gypse", 2.35},
    {u"Hêtre", 0.675},
    {u"Houille grasse", 1.32},
    {u"If", 0.725},
    {u"Iode", 4.93},
    {u"Iroko", 0.675},
    {u"Kaori", 0.525},
    {u"Kosipo", 0.75},
    {u"Koto", 0.675},
    {u"Laine de bois", u"Laine bois", 0.15},
    // 50
    {u"Laine de chanvre en rouleau", u"Laine chanvre", 0.025},
    {u"Laine de roche en vrac", u"Laine roche vrac", 0.025},
    {u"Laine de roche pour sol", u"Laine roche sol", 0.13},
    {u"Laine roche en rouleau", u"Laine roche rouleau", 0.018},
    {u"Laine roche semi lourde", 0.07},
    {u"Laine verre en rouleau", 0.018},
    {u"Laine verre semi lourde", 0.07},
    {u"Lauans", 0.6},
    {u"Lignite", 1.19},
    {u"Limba", 0.55},
    // 60
    {u"Magnésium", 1.74},
    {u"Makore", 0.7},
    {u"Manganèse", 7.43},
    {u"Marbre", 2.75},
    {u"Merantis", 0.725},
    {u"Mercure", 13.55},
    {u"Merisier", 0.65},
    {u"Movingui", 0.7},
    {u"Neige", 0.125},
    {u"Nickel", 8.9},
    // 70
    {u"Noyer", 0.625},
    {u"Obsidienne", 2.3},
    {u"Okoumé", 0.45},
    {u"Olivier", 0.985},
    {u"Or", 19.3},
    {u"Orme", 0.75},
    {u"Ouate de cellulose", u"Ouate cellulose", 0.055},
    {u"Palissandres", 0.875},
    {u"Perlite expansée", 0.09},
    {u"Pétrole leger", 0.6},
    // 80
    {u"Pétrole lourd", 0.9},
    {u"Peuplier", 0.5},
    {u"Phosphore", 1.82},
    {u"Pin d'Orégon", 0.575},
    {u"Pin des landes", 0.575},
    {u"Pin des landes (germé)", 0.775},
    {u"Pin sylvestre", 0.55},
    {u"Plomb", 11.35},
    {u"Polystyrène expansé", 0.018},
    {u"Polystyrène extrudé", 0.035},
    // 90
    {u"Polyuréthane", 0.035},
    {u"Potassium", 0.86},
    {u"Quartz", 2.65},
    {u"Ramin", 0.675},
    {u"Rhyolite vitreuse", 2.24},
    {u"Sable", 1.5},
    {u"Sable de quartz", 2.5},
    {u"Sel gemme", 2.22},
    {u"Serpentine", 2.78},
    {u"Silicium", 2.33},
    // 100
    {u"Sodium", 0.97},
    {u"Soufre", 2.07},
    {u"Talc", 2.71},
    {u"Titane", 4.54},
    {u"Tourbe", 1.05},
    {u"Tungstène", 19.35},
    {u"Zinc", 7.13},
}};

} // namespace

// ---------------------------------------------------------------------------
// Materials
// ---------------------------------------------------------------------------

constinit const TextTable<MaterialCount> MaterialNames{
    TableColumn<QStringView, MaterialCount>(MaterialRows, [](const NamedRow<double>& r) { return r.name; })};

constinit const TextTable<MaterialCount> MaterialShortNames{
    TableColumn<QStringView, MaterialCount>(MaterialRows, [](const NamedRow<double>& r) { return r.shortName; })};

constinit const Table<double, MaterialCount> MaterialDensities{
    TableColumn<double, MaterialCount>(MaterialRows, [](const NamedRow<double>& r) { return r.value; })};

// ---------------------------------------------------------------------------
// Units
// ---------------------------------------------------------------------------

constinit const TextTable<VolumeUnitCount> VolumeUnitNames{{u"cm3", u"dm3 (litre)", u"m3"}};

constinit const TextTable<TemperatureUnitCount> TemperatureUnitNames{{
    u"Celsius", u"Kelvin", u"Fahrenheit"}};

constinit const TextTable<CapacityUnitCount> CapacityUnitNames{{
    u"dm3 (litre)", u"Seau", u"Brouette", u"m3"}};

constinit const TextTable<CapacityUnitCount> CapacityUnitShortNames{{
    u"dm3", u"Seau", u"Brouette", u"m3"}};

constinit const Table<double, CapacityUnitCount> CapacityLitres{{1, 12, 90, 1000}};

} // namespace tornavel
