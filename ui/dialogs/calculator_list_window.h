#pragma once

#include "core/calculator_list.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QPushButton;
class QScrollArea;

namespace tornavel {

class StringTable;

// The calculator-list window FLCalculettes: a check box per calculator in a scrolling
// box, and OK, its only way out (Escape presses it too). It shows the rules of a
// CalculatorListWindow and forwards the clicks and Ctrl+A to it.
class TFLCalculettes : public QDialog {
    Q_OBJECT

public:
    TFLCalculettes(const StringTable& strings, CalculatorListWindow& list, QWidget* parent = nullptr);

    // Rebuilds the boxes from the list's current choice (done at each showing).
    void FormActivate();

    QCheckBox* Box(int box) const;
    QPushButton* BtnOK() const { return btnOk_; }

public slots:
    void BtnOKClick();
    // Escape: the OK button is also the cancel button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Widens the boxes and the window for the longest caption in the font on screen.
    void FitBoxes();
    void BoxClick(int box);

    CalculatorListWindow& list_;
    QScrollArea* scrollBox_ = nullptr;
    QWidget* boxHolder_ = nullptr;
    int boxWidth_ = 250;  // of each box, wider for a long caption
    std::vector<QCheckBox*> boxes_;  // one per box of the list
    QPushButton* btnOk_ = nullptr;
    bool closing_ = false;
};

} // namespace tornavel
