#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tornavel {

class Engine;

// The window-behaviour window FOptionAffichage: whether the main window is resizable.
// It holds the choice, "O" (RdbtnRedim) or "N" (RdbtnNonRedim); the caller checks one
// button before showing it and writes the choice afterwards.
class TFOptionAffichage : public QDialog {
    Q_OBJECT

public:
    explicit TFOptionAffichage(Engine& engine, QWidget* parent = nullptr);

    // Checks RdbtnRedim or RdbtnNonRedim, which sets the choice as a click does.
    void CheckButton(bool resizable);
    QString BehaviourChoice() const { return choice_; }

    QRadioButton* RdbtnRedim() const { return redim_; }
    QRadioButton* RdbtnNonRedim() const { return nonRedim_; }
    QPushButton* BtnOk() const { return btnOk_; }

private:
    QString choice_ = QStringLiteral("O");
    QLabel* label_ = nullptr;
    QRadioButton* redim_ = nullptr;
    QRadioButton* nonRedim_ = nullptr;
    QPushButton* btnOk_ = nullptr;
};

} // namespace tornavel
