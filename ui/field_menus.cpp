#include "ui/field_menus.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include <functional>

namespace tornavel {

namespace {

// `origin` is the widget whose coordinates the request gives: the field, or the
// viewport of a scrolled one.
void Offer(QWidget* field, QWidget* origin, std::function<QMenu*()> standardMenu)
{
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field,
                     [origin, standardMenu = std::move(standardMenu)](const QPoint& at) {
                         QMenu* menu = standardMenu();
                         // Qt writes an item's shortcut after a tab in its text.
                         for (QAction* item : menu->actions())
                             item->setText(item->text().section(QLatin1Char('\t'), 0, 0));
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->popup(origin->mapToGlobal(at));
                     });
}

} // namespace

void OfferMenuWithoutShortcuts(QLineEdit* field)
{
    Offer(field, field, [field] { return field->createStandardContextMenu(); });
}

void OfferMenuWithoutShortcuts(QPlainTextEdit* field)
{
    Offer(field, field->viewport(), [field] { return field->createStandardContextMenu(); });
}

} // namespace tornavel
