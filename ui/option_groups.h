#pragma once

#include <QList>

class QAbstractButton;

namespace tornavel {

// The keyboard enters a group of option buttons on its checked button, as on any
// desktop dialog: of the group, only the checked button is a stop of the Tab key (every
// button while none is checked), whenever and however it came to be checked. Qt alone
// keeps the stop on whichever button first took the focus, so that a window opened
// with its second button checked puts the focus on the first, where Space checks it.
void TabStopOnCheckedOption(const QList<QAbstractButton*>& group);

} // namespace tornavel
