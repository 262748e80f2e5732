#include "ui/offered_list.h"

namespace tornavel {

void OfferedList::focusInEvent(QFocusEvent* event)
{
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    if (!currentIndex().isValid() && !chosen.isEmpty())
        selectionModel()->setCurrentIndex(chosen.front(), QItemSelectionModel::NoUpdate);
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
