#pragma once

namespace tornavel {

constexpr int CalculatorCount = 40;
constexpr int MaxInputs = 6;

// True for the number of one of the forty calculators.
constexpr bool IsCalculatorNumber(int number)
{
    return number >= 0 && number < CalculatorCount;
}

// Codes shared by LastKeyCode and KeyClass: what the last key did, so that the next
// key knows what to do.
namespace Code {
constexpr int None = -1;
constexpr int Plus = 0, Minus = 1, Times = 2, Divide = 3;
constexpr int Root = 4;
constexpr int Inverse = 5;       // 1/x on the standard calculator, inv on 39
constexpr int Equals = 6;        // "=" of calculators 0 and 39: a result is shown
constexpr int NextTerm = 7;      // "&&" closed an input
constexpr int AfterUndo = 8;     // LastKeyCode after an undo / KeyClass after C
constexpr int AfterCE = 9;       // KeyClass after CE
constexpr int Digit = 10;        // a digit, the comma or MR typed
constexpr int Sine = 28, Cosine = 29, Tangent = 30;
constexpr int Power = 31;
constexpr int Pi = 32;
constexpr int ArcSine = 33, ArcCosine = 34, ArcTangent = 35;
constexpr int ChangeSign = 37;
constexpr int MemoryRecall = 38; // LastKeyCode only
} // namespace Code

// The code a calculator's compute key leaves in LastKeyCode and KeyClass after a result
// (-1 for calculators 0 and 39, which show results with "=").
int ResultCodeOf(int calculator);

// True when the code means that a result is shown: 6 and every result code.
bool IsResultState(int code);
// True for 0-5 and 28-30: an operator or function key was the last key.
bool IsOperatorState(int code);

// The state codes and flags that every key reads and writes.
struct KeyState {
    int LastKeyCode = Code::None;
    int KeyClass = Code::None;
    int PendingMathFunction = -1;
    double MemoryValue = 0.0;
    bool KeypadEnabled = true;
    bool RecomputingFlag = false;
    bool VariantChangedFlag = false;
    bool ComboReselectFlag = false;
};

// Remembered option-button selections, one per group of calculators.
struct VariantSelections {
    int RoofOutput = 0;        // 21
    int ConcreteOutput = 0;    // 23
    int SlabsOutput = 0;       // 24
    int Panelling = 0;         // 28 and 29
    int Parquet = 0;           // 30
    int Stairs = 0;            // 31
    int ElectricalResult = 0;  // 32 and 33
    int ConverterTarget = 0;   // 36, 37 and 38
};

} // namespace tornavel
