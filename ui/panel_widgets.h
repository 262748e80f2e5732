#pragma once

// The widgets of a calculator panel, the geometry that the main window's parts share,
// and the background picture drawn across them.

#include "core/panel.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tornavel {

// Geometry of the client area (pixels).
inline constexpr int kMenuBarHeight = 28;
inline constexpr int kPanelTop = 28;
inline constexpr int kPanelHeight = 246;
inline constexpr int kListPanelHeight = 105;
inline constexpr int kKeypadLeft = 13;
inline constexpr int kKeypadTop = 65;
inline constexpr int kOperatorsLeft = 142;
inline constexpr int kOperatorsTop = 37;  // in the panel, level with the keypad
inline constexpr int kOperatorsWidth = 146;
inline constexpr int kOperatorsHeight = 124;
// The prompt and, to its right, the result field (or the list in its place).
inline constexpr int kPromptLeft = 6;
inline constexpr int kPromptWidth = 115;
inline constexpr int kFieldLeft = 123;
inline constexpr int kFieldTop = 8;
inline constexpr int kFieldRight = 283;
inline constexpr int kFieldHeight = 21;
// The prompt's place, and beside it the result field's (the list's in its place), at the
// font in use.
QRect PromptRectangle();
QRect FieldRectangle();

// The widgets of one calculator panel; null where the calculator has no such widget.
struct PanelWidgets {
    QWidget* panel = nullptr;
    QWidget* fond = nullptr;
    QLabel* prompt = nullptr;
    QLineEdit* result = nullptr;
    QComboBox* list = nullptr;
    QPlainTextEdit* formula = nullptr;
    QWidget* operators = nullptr;
    QPushButton* compute = nullptr;
    QPushButton* next = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* memory = nullptr;
    std::vector<QRadioButton*> radios;
    // The option buttons as one group: the arrow keys move among them.
    QButtonGroup* options = nullptr;
    // How far the result field and the list moved right for a long prompt.
    int fieldShift = 0;
};

// Shows a panel's state in its widgets (the panel is built).
void RenderPanelState(PanelWidgets& w, const PanelState& s);

// A component name with its number: "EdtFormule" 3 gives "EdtFormule3".
QString Numbered(const char* role, int number);

// Takes no keyboard focus: the keys go to the window's keyboard home.
void Quiet(QWidget* w);

// The background picture, drawn so that it lines up across the panels.
class FondImage : public QWidget {
public:
    FondImage(const QPixmap& picture, QWidget* origin, QWidget* parent);
    // The size the picture is drawn at, grown with the layout (empty until it is decoded).
    QSize PictureSize() const { return picture_.size(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const QPixmap& picture_;
    QWidget* origin_;
};

} // namespace tornavel
