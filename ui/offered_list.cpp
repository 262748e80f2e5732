#include "ui/offered_list.h"

namespace tornavel {

void OfferedList::focusInEvent(QFocusEvent* event)
{
    // The focus comes in on the chosen row, or on the first while none is chosen, and
    // that row is chosen: it shows where the focus is, and the arrows go on from it.
    // (Left alone, the view makes the first row current without choosing it: nothing
    // shows, and the first Down passes over that row.)
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    const QModelIndex row = chosen.isEmpty() ? model()->index(0, 0, rootIndex()) : chosen.front();
    if (row.isValid())
        selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    QListWidget::focusInEvent(event);
}

void OfferedList::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    LeaveNoCurrentRow();
}

void OfferedList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (!hasFocus())
        LeaveNoCurrentRow();
}

void OfferedList::LeaveNoCurrentRow()
{
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

} // namespace tornavel
