#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tornavel {

// The message window: no title bar, one label and "Ok", grown by 12 pixels per line
// beyond the first. Enter presses "Ok". Its text always fits: the window widens for a
// long line, and grows further when the font's lines are taller than 12 pixels.
class TFMessages : public QDialog {
    Q_OBJECT

public:
    explicit TFMessages(QWidget* parent = nullptr);

    // Places and sizes the window for `lines` lines beside the main window's frame
    // (left, top, width) and sets the text; does not show it.
    void Prepare(const QString& text, int lines, const QRect& mainFrame);
    // Prepare, then show modally until "Ok".
    void ShowMessage(const QString& text, int lines, const QRect& mainFrame);

    QLabel* Label() const { return label_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QLabel* label_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace tornavel
