#pragma once

#include "core/state.h"

namespace tornavel {

// The state codes and flags that every key reads, and the memory register. They change
// only by the named transitions below, each of which says what a kind of key leaves.
// LastKeyCode says what the last key did, KeyClass what kind of key it was.
class KeyState {
public:
    int LastKeyCode() const { return lastKeyCode_; }
    int KeyClass() const { return keyClass_; }
    int PendingMathFunction() const { return pendingMathFunction_; }
    double MemoryValue() const { return memoryValue_; }
    bool KeypadEnabled() const { return keypadEnabled_; }
    // A history replay or an option button's re-run is computing again.
    bool RecomputingFlag() const { return recomputing_; }
    // An option button chose another option than the one in force.
    bool VariantChangedFlag() const { return variantChanged_; }

    // ---- Keys ------------------------------------------------------------------------
    // A key that leaves `code` in LastKeyCode and KeyClass alike: an operator, "&&", a
    // result (with the row's result code or Code::Equals), Code::None for nothing yet.
    void Pressed(int code) { lastKeyCode_ = keyClass_ = code; }
    void Forget() { Pressed(Code::None); }
    // A digit or the comma typed; MR recalled the memory into the number typed.
    void Digit() { keyClass_ = Code::Digit; }
    void MemoryRecalled() { keyClass_ = Code::Digit; lastKeyCode_ = Code::MemoryRecall; }
    // A number starts afresh, or a calculator comes on screen: the last key is
    // forgotten, its kind kept.
    void ForgetLastKey() { lastKeyCode_ = Code::None; }
    // A history replay restores the code that its entry kept for the compute key.
    void Restored(int code) { lastKeyCode_ = code; }
    // A function key of the function keypad: sine, cosine, tangent (their inverse after
    // inv), pi or x^y. It stays pending for the undo routine until taken back or C.
    void FunctionChosen(int function, bool inverse)
    {
        lastKeyCode_ = pendingMathFunction_ = inverse ? function + (Code::ArcSine - Code::Sine) : function;
        keyClass_ = function;
    }
    // An undo routine (or a key that reads its formula again) leaves `code` as the last
    // key: Code::None, Code::AfterUndo, Code::NextTerm (back at a closed input),
    // Code::Power (an x^y still open). With `functionDropped`, the pending function is
    // taken back too.
    void TakenBack(int code, bool functionDropped = false)
    {
        lastKeyCode_ = code;
        if (functionDropped)
            pendingMathFunction_ = Code::None;
    }
    // CE ran the calculator's undo routine.
    void ClearedEntry() { keyClass_ = Code::AfterCE; }
    // C: the calculator starts over, no function pending.
    void Cleared()
    {
        lastKeyCode_ = Code::None;
        keyClass_ = Code::AfterUndo;
        pendingMathFunction_ = -1;
    }
    // MS, or a result that goes into the memory register.
    void Store(double value) { memoryValue_ = value; }

    // ---- What the panel accepts --------------------------------------------------------
    // The keypad types into a typed input, not into one chosen in a list.
    void InputShown(bool typed) { keypadEnabled_ = typed; }

    // ---- Computing again ---------------------------------------------------------------
    // An option button chose `index` where `selection` was in force.
    void OptionChosen(int selection, int index) { variantChanged_ = selection != index; }
    // The re-run of a changed option is done, or a result settled the change.
    void OptionSettled() { variantChanged_ = false; }
    // Sets RecomputingFlag for its lifetime, and clears it again however the guarded
    // computation ends.
    class Recomputation {
    public:
        explicit Recomputation(KeyState& keys) : keys_(keys) { keys_.recomputing_ = true; }
        ~Recomputation() { keys_.recomputing_ = false; }
        Recomputation(const Recomputation&) = delete;
        Recomputation& operator=(const Recomputation&) = delete;

    private:
        KeyState& keys_;
    };

    // ---- Start-up ----------------------------------------------------------------------
    // The window is created: nothing pressed, keypad on, no re-run under way.
    void WindowCreated()
    {
        Forget();
        keypadEnabled_ = true;
        variantChanged_ = false;
    }
    // The first activation: an empty memory register, no replay under way.
    void Activated()
    {
        memoryValue_ = 0.0;
        recomputing_ = false;
    }

private:
    int lastKeyCode_ = Code::None;
    int keyClass_ = Code::None;
    int pendingMathFunction_ = -1;
    double memoryValue_ = 0.0;
    bool keypadEnabled_ = true;
    bool recomputing_ = false;
    bool variantChanged_ = false;
};

} // namespace tornavel
