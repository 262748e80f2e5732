#pragma once

// The string numbers of the electrical calculators' prompts and labels, which their rows
// and formulas name.

namespace tornavel::electrical::text {

enum : int {
    Section = 57,          // "Section"
    Voltage = 102,         // "Tension (V)"
    Current = 103,         // "Intensité (A)"
    Power = 104,           // "Puissance"
    PowerShown = 105,      // "Puissance (W)"
    Resistance = 106,      // "Resistance"
    ResistanceShown = 107, // "Resistance (ohm)"
    WireSection = 108,     // "Section fil (mm2)"
    VoltageDrop = 109,     // "Chute tension (%)"
    Circuit = 111,         // "Nature circuit"
    Points = 112,          // "Nombre prises"
    Fuse = 113,            // "Fusible"
    FuseShown = 114,       // "Fusible (A)"
    Breaker = 115,         // "Disjoncteur"
    BreakerShown = 116,    // "Disjoncteur (A)"
    LengthShown = 117,     // "Longueur max (m)"
    Length = 118,          // "Longueur"
};

} // namespace tornavel::electrical::text
