#pragma once

// The string numbers of the converters' prompts and labels, which their rows and
// formulas name.

namespace tornavel::converters::text {

enum : int {
    Volume = 48,           // "Volume"
    Material = 119,        // "Matériaux"
    Unit = 120,            // "Unité de mesure"
    WeightShown = 121,     // "Poids (kg)"
    Weight = 122,          // "Poids"
    TemperatureUnit = 123, // "Unité température"
    Temperature = 124,     // "Température"
};

} // namespace tornavel::converters::text
