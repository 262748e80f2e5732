#pragma once

#include <QString>

namespace tornavel {

class StringTable;

// The texts that belong to the windows' own layout (captions of the menu bar, the keys
// and the dialogs' buttons, hints, labels), held in the string table at the numbers
// below. They are part of the windows, not of the replaceable texts: they always come
// from the program's own table (see LayoutText).
enum class LayoutString : int {
    First = 700,
    // Menu bar buttons and the menu items whose caption is not set by the engine.
    CalculatorsButton = First,
    HistoryButton,
    OptionsButton,
    FavouritesButton,
    HelpButton,
    DemonstrationVideosItem,
    // Sub-calculation list.
    SubCalculationCaption,
    SubCalculationHint,
    // Keys of the calculator panels.
    ComputeKey,
    NextTermKey,
    MemoryRecallKey,
    MemoryStoreKey,
    OkKey,
    EqualsKey,
    PlusKey,
    MinusKey,
    TimesKey,
    DivideKey,
    RootKey,
    InverseKey,
    SineKey,
    CosineKey,
    TangentKey,
    InverseFunctionKey,
    PiKey,
    PowerKey,
    ChangeSignKey,
    CommaKey,
    ClearEntryKey,
    ClearKey,
    // Hints of the keys.
    OkHint,
    MemoryRecallHint,
    MemoryStoreHint,
    RootHint,
    InverseHint,
    SineHint,
    CosineHint,
    TangentHint,
    InverseFunctionHint,
    PowerHint,
    ChangeSignHint,
    // OK button of the secondary windows.
    DialogOkButton,
    // Page windows and tips window.
    CloseButton,
    TipsHelpButton,
    PageLoading,
    PageErrorTitle,
    PageErrorText,
    PageErrorAdvice,
    End,
};

// Numbers of the replaceable texts that the windows read.
namespace text {
inline constexpr int ProductName = 0;            // also the error box caption
inline constexpr int UnitWindowCaption = 120;
inline constexpr int UnitGroupTitle = 197;
inline constexpr int UnitDisplayGroupTitle = 293;
inline constexpr int UnitDisplayRows[] = {294, 295};     // when needed, always
inline constexpr int ResizableWindowButton = 299;
inline constexpr int FixedWindowButton = 300;
inline constexpr int BehaviourWindowCaption = 339;
inline constexpr int BehaviourExplanation = 340;
inline constexpr int BehaviourExplanationBuffer = 600;
} // namespace text

// A layout text, always from the program's own table.
QString LayoutText(const StringTable& strings, LayoutString id);
// A text of the program's own table by number (for layout texts that share a number
// with a replaceable text of the same wording).
QString OwnLayoutText(const StringTable& strings, int id);

// The settings file's window-behaviour values: "O" for a resizable window, "N" for a
// fixed one.
QString WindowBehaviourCode(bool resizable);

} // namespace tornavel
