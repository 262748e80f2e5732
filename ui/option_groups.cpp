#include "ui/option_groups.h"

#include <QAbstractButton>
#include <QPointer>

#include <algorithm>

namespace tornavel {

namespace {

void PlaceTabStop(const QList<QPointer<QAbstractButton>>& group)
{
    const auto checked = std::find_if(group.begin(), group.end(),
                                      [](const QPointer<QAbstractButton>& b) { return b && b->isChecked(); });
    for (const QPointer<QAbstractButton>& button : group) {
        if (!button)
            continue;
        const bool stop = checked == group.end() || *checked == button;
        const int policy = button->focusPolicy();
        button->setFocusPolicy(static_cast<Qt::FocusPolicy>(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

} // namespace

void TabStopOnCheckedOption(const QList<QAbstractButton*>& group)
{
    QList<QPointer<QAbstractButton>> buttons;
    for (QAbstractButton* button : group)
        buttons.append(button);
    for (QAbstractButton* button : group) {
        QObject::connect(button, &QAbstractButton::toggled, button, [buttons] { PlaceTabStop(buttons); });
    }
    PlaceTabStop(buttons);
}

} // namespace tornavel
