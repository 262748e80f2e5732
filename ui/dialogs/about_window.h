#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tornavel {

class StringTable;

// The about window FApropos: the product name, version and credit in LblRens, "OK".
class TFApropos : public QDialog {
    Q_OBJECT

public:
    explicit TFApropos(const StringTable& strings, QWidget* parent = nullptr);

    QLabel* LblRens() const { return lblRens_; }
    QPushButton* BtnOk() const { return btnOk_; }

private:
    QLabel* lblRens_ = nullptr;
    QPushButton* btnOk_ = nullptr;
};

} // namespace tornavel
