#pragma once

namespace tornavel {

constexpr int MaxInputs = 6;

// Codes shared by LastKeyCode and KeyClass: what the last key did, so that the next
// key knows what to do.
namespace Code {
constexpr int None = -1;
constexpr int Plus = 0, Minus = 1, Times = 2, Divide = 3;
constexpr int Root = 4;
constexpr int Inverse = 5;       // 1/x on the standard calculator, inv on the functions one
constexpr int Equals = 6;        // "=" of the keypad calculators: a result is shown
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
// Every code above: what a family's result code must not be.
inline constexpr int KeypadCodes[] = {Plus,    Minus,   Times,      Divide,     Root,      Inverse, Equals,
                                      NextTerm, AfterUndo, AfterCE, Digit,      Sine,      Cosine,  Tangent,
                                      Power,   Pi,      ArcSine,    ArcCosine,  ArcTangent, ChangeSign,
                                      MemoryRecall};
// The codes not listed here are left to the calculators' families: each row names the
// code that its compute key leaves after a result (CalculatorDescription::resultCode),
// and whether a code means that a result is shown is asked of the registered rows
// (CalculatorRegistry::IsResultState).
} // namespace Code

// True for 0-5 and 28-30: an operator or function key was the last key.
bool IsOperatorState(int code);

} // namespace tornavel
