// Showing what the engine says is on screen: a panel's state in its widgets, and the
// window's caption, sub-calculation list and status bar.

#include "ui/tornavel_window.h"

#include "core/engine.h"
#include "ui/layout_scale.h"
#include "ui/panel_widgets.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace tornavel {

namespace {

// The open list is as wide as its longest row, whatever width the closed list has. A
// style that opens the list as a menu widens it to its rows itself; one that opens a
// plain list below the closed one would keep it as narrow as the closed list.
void FitListPopup(QComboBox* list)
{
    QAbstractItemView* view = list->view();
    int width = view->sizeHintForColumn(0) + 2 * view->frameWidth();
    if (list->count() > list->maxVisibleItems())
        width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(std::max(width, 0));
}

// Moves the result field right for a prompt wider than its place.
void FitPrompt(PanelWidgets& w)
{
    // Measured in the font on screen: desktop fonts differ in width.
    const int needed = w.prompt->sizeHint().width();
    const int shift = needed - PromptRectangle().width();
    if (shift <= w.fieldShift)
        return;
    // The field keeps its right edge; once moved it stays, so that it does not jump
    // from one prompt to the next.
    w.fieldShift = shift;
    w.prompt->resize(needed, w.prompt->height());
    const QRect field = FieldRectangle().adjusted(shift, 0, 0, 0);
    w.result->setGeometry(field);
    if (w.list)
        w.list->resize(field.width(), w.list->height());
}

// The prompt labels a field (its buddy), so Qt would take an "&" in it for the mark of a
// shortcut: doubled, it shows as written.
QString PromptText(const QString& prompt)
{
    return QString(prompt).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

void TFTornavel::RenderPanel(int n)
{
    const PanelState& s = engine_.Panel(n);
    PanelWidgets& w = panels_[static_cast<size_t>(n)];
    if (!w.panel) {
        // A panel is built at the latest when it comes on screen.
        if (s.visible)
            BuildPanel(n);
        return;
    }
    RenderPanelState(w, s);
}

void RenderPanelState(PanelWidgets& w, const PanelState& s)
{
    if (w.prompt && w.prompt->text() != PromptText(s.prompt)) {
        w.prompt->setText(PromptText(s.prompt));
        FitPrompt(w);
    }
    if (w.result->text() != s.result)
        w.result->setText(s.result);
    w.result->setVisible(s.resultVisible);
    if (w.formula->toPlainText() != s.formula)
        w.formula->setPlainText(s.formula);

    if (w.list) {
        QStringList rows;
        rows.reserve(w.list->count());
        for (int i = 0; i < w.list->count(); ++i)
            rows.append(w.list->itemText(i));
        if (rows != s.listRows) {
            w.list->clear();
            w.list->addItems(s.listRows);
            FitListPopup(w.list);
        }
        if (w.list->currentIndex() != s.listIndex)
            w.list->setCurrentIndex(s.listIndex);
        w.list->move(Scaled(s.listLeft) + w.fieldShift, Scaled(s.listTop));
        w.list->setVisible(s.listVisible);
    }
    if (w.prompt) {
        // A screen reader names the field shown after the prompt.
        QWidget* field = w.list && s.listVisible ? static_cast<QWidget*>(w.list) : w.result;
        if (w.prompt->buddy() != field)
            w.prompt->setBuddy(field);
    }

    if (w.compute) {
        w.compute->setEnabled(s.computeEnabled);
        if (w.compute->toolTip() != s.computeHint)
            w.compute->setToolTip(s.computeHint);
    }
    if (w.next) {
        w.next->setEnabled(s.nextEnabled);
        if (w.next->toolTip() != s.nextHint)
            w.next->setToolTip(s.nextHint);
    }
    if (w.memory)
        w.memory->setEnabled(s.memoryEnabled);
    if (w.options) {
        // The engine may leave every button unchecked, which an exclusive group refuses.
        w.options->setExclusive(false);
        for (size_t i = 0; i < w.radios.size() && i < s.radios.size(); ++i) {
            QRadioButton* radio = w.radios[i];
            if (radio->text() != s.radios[i].caption)
                radio->setText(s.radios[i].caption);
            radio->setChecked(s.radios[i].checked);
        }
        w.options->setExclusive(true);
    }

    w.panel->setVisible(s.visible);
}

void TFTornavel::Render()
{
    const WindowState& state = engine_.Window();
    if (windowTitle() != state.caption)
        setWindowTitle(state.caption);

    for (int n = 0; n < static_cast<int>(panels_.size()); ++n)
        RenderPanel(n);

    QStringList rows;
    rows.reserve(offered_->count());
    for (int i = 0; i < offered_->count(); ++i)
        rows.append(offered_->item(i)->text());
    if (rows != state.offeredRows) {
        offered_->clear();
        offered_->addItems(state.offeredRows);
    }
    if (status_->text() != state.statusText)
        status_->setText(state.statusText);
    RenderMenus();
}

} // namespace tornavel
