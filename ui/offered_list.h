#pragma once

#include <QListWidget>

namespace tornavel {

// The "Sous calcul" list. Screen readers take its current row for the focused one, so
// it has a current row only while it has the focus: losing the focus (or a click, which
// leaves the focus elsewhere) clears it, and the focus coming back finds it again on
// the chosen row (the first, chosen then, while none is), where the arrows and Space go on.
class OfferedList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LeaveNoCurrentRow();
};

} // namespace tornavel
