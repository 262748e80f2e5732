#pragma once

// The string numbers of the building calculators' prompts and labels, which their rows
// and formulas name.

namespace tornavel::building::text {

enum : int {
    Surface = 37,          // "Surface"
    GableHeight = 45,      // "Hauteur pignon"
    Span = 52,             // "Portée"
    LoadClass = 53,        // "Charge (kg/m2)"
    Spacing = 54,          // "Ecartement"
    SectionInCm = 55,      // "Section (cm)"
    SpacingFormula = 56,   // "Ecartement"
    Section = 57,          // "Section"
    TileLength = 58,       // "Longueur tuile"
    Overlap = 59,          // "Recouvrement"
    TileGauge = 60,        // "Pureau"
    SlopeLength = 61,      // "Longueur pente"
    SlopeWidth = 62,       // "Largeur pente"
    Linear = 63,           // "Linéaire"
    TileWidth = 64,        // "Largeur tuile"
    ConcreteVolume = 69,   // "Volume beton"
    ConcreteType = 70,     // "Type béton"
    SlabLength = 75,       // "Longueur dalle"
    SlabWidth = 76,        // "Largeur dalle"
    Slabs = 77,            // "Dalles"
    PaintedSurface = 78,   // "Surface"
    SurfaceType = 79,      // "Type surface"
    Yield = 80,            // "Rendement"
    Coats = 81,            // "Nombre couches"
    PaintLitres = 82,      // "Peinture (litres)"
    Paint = 83,            // "Peinture"
    Openings = 84,         // "Surf ouvertures"
    WallLength = 85,       // "Longueur mur"
    WallHeight = 86,       // "Hauteur mur"
    RollLength = 87,       // "Longueur rouleau"
    RollWidth = 88,        // "Largeur rouleau"
    Extras = 89,           // "Suppléments"
    Rolls = 90,            // "Rouleaux"
    BoardWidth = 91,       // "Largeur lambris"
    FloorLength = 93,      // "Longueur surface"
    FloorWidth = 94,       // "Largeur surface"
    FloorToFloor = 96,     // "Hauteur sol à sol"
    Glue = 97,             // "Colle"
    Tread = 99,            // "Longueur giron"
    Laying = 101,          // "Type de pose"
    Clips = 135,           // "Clips"
};

} // namespace tornavel::building::text
