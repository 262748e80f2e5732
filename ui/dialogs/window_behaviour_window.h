#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tornavel {

class StringTable;

// The window-behaviour window FOptionAffichage: whether the main window is resizable.
// Its choice is "O" when RdbtnRedim is checked, "N" when RdbtnNonRedim is; the caller
// checks one button before showing it and writes the choice afterwards.
class TFOptionAffichage : public QDialog {
    Q_OBJECT

public:
    explicit TFOptionAffichage(const StringTable& strings, QWidget* parent = nullptr);

    // Checks RdbtnRedim or RdbtnNonRedim.
    void CheckButton(bool resizable);
    QString BehaviourChoice() const;

    QRadioButton* RdbtnRedim() const { return redim_; }
    QRadioButton* RdbtnNonRedim() const { return nonRedim_; }
    QPushButton* BtnOk() const { return btnOk_; }

private:
    QLabel* label_ = nullptr;
    QRadioButton* redim_ = nullptr;
    QRadioButton* nonRedim_ = nullptr;
    QPushButton* btnOk_ = nullptr;
};

} // namespace tornavel
