#pragma once

#include "core/description.h"
#include "core/options.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tornavel {

// One option button of a panel (objectName and caption), e.g. RbtnCiment.
struct RadioButtonState {
    QString name;
    QString caption;
    bool checked = false;
};

// What one calculator panel PCalculetteN shows. The view renders it; the engine owns it.
struct PanelState {
    int number = 0;
    CalculatorKind kind = CalculatorKind::InputProtocol; // which keys the panel has
    bool visible = false;

    QString result = QStringLiteral("0");  // EdtCalculetteResN
    bool resultVisible = true;
    QString formula;                        // EdtFormuleN
    QString prompt;                         // LblResultatN (input-protocol panels)

    // ListBoxN: a list input.
    bool hasList = false;
    QStringList listRows;
    int listIndex = -1;
    bool listVisible = false;
    int listLeft = 123;                     // in place of the result field
    int listTop = 8;

    // Keys of POperateursN.
    bool hasNextKey = true;     // PEtN is absent on the keypad and one-input calculators
    bool computeEnabled = true; // PCalculN
    bool nextEnabled = true;    // PEtN
    bool memoryEnabled = true;  // PMRN
    QString nextHint;           // hint of PEtN
    QString computeHint;        // hint of PCalculN

    std::vector<RadioButtonState> radios;
};

// What takes the place under the prompt.
enum class InputField {
    Typed,         // the result field, the keypad on
    List,          // the list, the keypad off
    ResultInPlace, // the result field back in place of the list, the keypad as it is
};

// The window-wide things the main window shows besides the panels.
struct WindowState {
    int visiblePanel = -1;          // calculator number of the panel on screen
    QString statusText;             // StatusBar
    QStringList offeredRows;        // LbCalculettes
    bool upgradeItemVisible = false; // MiseANiveau
    QString caption;                // window caption

    // Pop-up menus whose items change at run time.
    QStringList historyCaptions;    // Calcul0 .. Calcul19 (an item per entry, hidden beyond)
    QStringList favouriteCaptions;  // Favoris0 .. Favoris4
    std::array<bool, FavouriteSlotCount> favouriteShown{}; // the items of the filled slots

    // Captions of the menu items by objectName (Calculette0.., AideTornavel, ...).
    QHash<QString, QString> menuCaptions;
};

} // namespace tornavel
