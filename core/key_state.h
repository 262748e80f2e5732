#pragma once

#include "core/state.h"

namespace tornavel {

// The state codes and flags that every key reads and writes, and the memory register.
// LastKeyCode says what the last key did, KeyClass what kind of key it was; a key that
// leaves the same code in both sets them together.
class KeyState {
public:
    int LastKeyCode() const { return lastKeyCode_; }
    int KeyClass() const { return keyClass_; }
    int PendingMathFunction() const { return pendingMathFunction_; }
    double MemoryValue() const { return memoryValue_; }
    bool KeypadEnabled() const { return keypadEnabled_; }
    // A history replay or an option button's re-run is computing again.
    bool RecomputingFlag() const { return recomputing_; }
    bool VariantChangedFlag() const { return variantChanged_; }
    bool ComboReselectFlag() const { return comboReselect_; }

    // The key leaves `code` in LastKeyCode and KeyClass alike.
    void SetCodes(int code) { lastKeyCode_ = keyClass_ = code; }
    void SetLastKeyCode(int code) { lastKeyCode_ = code; }
    void SetKeyClass(int code) { keyClass_ = code; }
    // Nothing pressed yet: both codes back to Code::None.
    void Forget() { SetCodes(Code::None); }
    void SetPendingMathFunction(int function) { pendingMathFunction_ = function; }
    void SetMemoryValue(double value) { memoryValue_ = value; }
    void SetKeypadEnabled(bool enabled) { keypadEnabled_ = enabled; }
    void SetRecomputingFlag(bool on) { recomputing_ = on; }
    void SetVariantChangedFlag(bool on) { variantChanged_ = on; }
    void SetComboReselectFlag(bool on) { comboReselect_ = on; }

private:
    int lastKeyCode_ = Code::None;
    int keyClass_ = Code::None;
    int pendingMathFunction_ = -1;
    double memoryValue_ = 0.0;
    bool keypadEnabled_ = true;
    bool recomputing_ = false;
    bool variantChanged_ = false;
    bool comboReselect_ = false;
};

} // namespace tornavel
