#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace tornavel {

// The context menu of a read-only field of the main window: Qt's own items, without the
// shortcut texts beside them. The fields never take the keyboard, whose keys go to the
// calculator on screen (Ctrl+A opens its help page, Ctrl+C copies its whole result), so
// a shortcut shown there would do something else than its item.
void OfferMenuWithoutShortcuts(QLineEdit* field);
void OfferMenuWithoutShortcuts(QPlainTextEdit* field);

} // namespace tornavel
