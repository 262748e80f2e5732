#pragma once

#include <QString>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tornavel {

class StringTable;

// Verolan's one window: it explains the choice, offers a resizable or a fixed main
// window for Tornavel and writes the answer into tornavel.ini when OK is pressed.
// The title bar has no close box: OK is the way to leave, also with Return from
// anywhere in the window (OK is its default button). A window closed by other means
// writes nothing.
class TFSelComTornavel : public QWidget {
    Q_OBJECT

public:
    // `settingsPath` is the full name of tornavel.ini, found by the same rule as Tornavel.
    TFSelComTornavel(const StringTable& strings, const QString& settingsPath, QWidget* parent = nullptr);

    // "O" (resizable) or "N" (fixed), as the last checked radio button set it.
    QString Choice() const { return choice_; }

    QPlainTextEdit* MemoMsg() const { return memo_; }
    QRadioButton* RdbtnRedim() const { return redim_; }
    QRadioButton* RdbtnNonRedim() const { return nonRedim_; }
    QPushButton* BtnOk() const { return btnOk_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FitTexts();
    void BtnOkClick();

    QString settingsPath_;
    QString choice_;
    QLabel* lblMsg_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QRadioButton* redim_ = nullptr;
    QRadioButton* nonRedim_ = nullptr;
    QPushButton* btnOk_ = nullptr;
};

} // namespace tornavel
