#include "ui/focus_frames.h"

#include <QApplication>
#include <QWidget>

namespace tornavel {

void ShowFocusFrames(QApplication& app)
{
    // The style reads this attribute of the window to draw the focus frame.
    QObject::connect(&app, &QApplication::focusChanged, &app, [](QWidget*, QWidget* now) {
        if (now)
            now->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    });
}

} // namespace tornavel
