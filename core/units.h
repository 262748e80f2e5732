#pragma once

// The units of measure the user may work in, one row each: the code saved in the
// options and the history (UnitScaleCode), the texts of its suffixes, its row in the
// unit-of-measure window and the factors the calculators convert with. Every rule
// that depends on the unit reads this table.

#include <QStringView>

#include <array>

namespace tornavel {

struct UnitOfMeasure {
    int code = 0;                    // UnitScaleCode: 1 mm, 10 cm, 25 inch, 1000 m
    // The suffixes of prompts and labels in this unit.
    QStringView lengthSuffix;        // "(cm)"
    QStringView areaSuffix;          // "(cm2)"
    QStringView volumeSuffix;        // "(cm3)"
    QStringView yieldSuffix;         // "(cm2/l)", a surface per litre
    // Its row in the unit-of-measure window, from the top, and the string number of
    // that row's caption.
    int windowRow = 0;
    int windowCaptionId = 0;
    // Factors: a length in this unit times `centimetres` is in centimetres; a metre
    // holds `perMetre` units, a square metre `perSquareMetre` square units, a cubic
    // metre `perCubicMetre` cubic units; a square unit is `squareMetres` square metres.
    double centimetres = 1.0;
    double perMetre = 1.0;
    double perSquareMetre = 1.0;
    long double perCubicMetre = 1.0L;
    double squareMetres = 1.0;
    // An imperial unit: the rafter sections are named in it (in centimetres otherwise).
    bool imperial = false;
};

inline constexpr int UnitOfMeasureCount = 4;

// The four units, in the order of their codes.
const std::array<UnitOfMeasure, UnitOfMeasureCount>& UnitsOfMeasure();

// The unit of a code, or nullptr for a code that names none.
const UnitOfMeasure* FindUnitOfMeasure(int code);
// The unit of a code; a code that names none reads as the centimetre, the unit the
// program starts in.
const UnitOfMeasure& UnitOfMeasureOf(int code);
// The unit on row `row` of the unit-of-measure window, or nullptr outside its rows.
const UnitOfMeasure* UnitOfWindowRow(int row);

// True for the four unit codes: 1 mm, 10 cm, 25 inch, 1000 m.
bool IsUnitScaleCode(int code);

// Factor that turns a length in the user's unit into centimetres.
double UnitFactor(int unitScaleCode);

} // namespace tornavel
