#pragma once

#include "core/tips.h"

#include <QDialog>

class QPushButton;
class QTextEdit;
class QTextBrowser;

namespace tornavel {

class StringTable;

// Shows a read tip document in a text field: its paragraphs, alignments and formats,
// over the default font "MS Sans Serif" 10.
void ShowRtfDocument(QTextEdit* edit, const RtfDocument& document);

// The tips window FAstuces: the tip on screen in RichEdit, "Astuce précéd", "?" and
// "Astuce suivante". It lives for the whole run and keeps the tip last seen.
class TFAstuces : public QDialog {
    Q_OBJECT

public:
    // The window shows the tips of `model` with the texts of `strings`.
    TFAstuces(const StringTable& strings, TipsWindow model, QWidget* parent = nullptr);

    const TipsWindow& Model() const { return model_; }
    QTextBrowser* RichEdit() const { return richEdit_; }
    QPushButton* BtnPred() const { return pred_; }
    QPushButton* BtnAide() const { return aide_; }
    QPushButton* BtnSuivant() const { return suivant_; }

private:
    // Shows the tip of the model and sets the buttons.
    void ShowTip();

    TipsWindow model_;
    QTextBrowser* richEdit_ = nullptr;
    QPushButton* pred_ = nullptr;
    QPushButton* aide_ = nullptr;
    QPushButton* suivant_ = nullptr;
};

} // namespace tornavel
