#pragma once

#include "core/ui_services.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace tornavel {

class StringTable;

// The unit-of-measure window FOptions: the unit (RgUnites: millimetre, centimetre,
// metre, inch) and when it is shown (RgAffUnite: when needed, always). It only holds
// the two choices; the caller preselects them and reads them back. Ctrl+A opens its
// help page.
class TFOptions : public QDialog {
    Q_OBJECT

public:
    // Keys go to `keyDown` first (Ctrl+A opens the help page).
    TFOptions(const StringTable& strings, WindowKeyHandler keyDown, QWidget* parent = nullptr);

    // Captions and row texts from the string table.
    void LoadCaptions();

    // Row indexes, -1 when no row is selected.
    void SetUnitRow(int row);
    void SetDisplayRow(int row);
    int UnitRow() const;
    int DisplayRow() const;

    QGroupBox* RgUnites() const { return rgUnites_; }
    QGroupBox* RgAffUnite() const { return rgAffUnite_; }
    QPushButton* BtnOk() const { return btnOk_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const StringTable& strings_;
    WindowKeyHandler keyDown_;
    QGroupBox* rgUnites_ = nullptr;
    QGroupBox* rgAffUnite_ = nullptr;
    QButtonGroup* unitButtons_ = nullptr;
    QButtonGroup* displayButtons_ = nullptr;
    QPushButton* btnOk_ = nullptr;
};

} // namespace tornavel
