#include "ui/dialogs/window_style.h"
#include "ui/layout_scale.h"

#include "core/strings.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace tornavel {

void PaintWindowColour(QWidget* widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, WindowColour());
    widget->setPalette(palette);
}

void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow)
{
    if (!mainWindow)
        return;
    const QRect frame = mainWindow->frameGeometry();
    MoveOnScreen(window, QPoint(frame.left() + frame.width(), frame.top()), mainWindow);
}

void SetSecondaryWindowBackground(QWidget* window, const StringTable& strings, const char* imageName)
{
    PaintWindowColour(window);
    auto* image = new QLabel(window);
    image->setObjectName(QString::fromLatin1(imageName));
    image->setGeometry(1, 1, window->width() - 2, window->height() - 2);
    image->setScaledContents(true);
    const QString picture = strings.FondPicturePath();
    if (!picture.isEmpty())
        image->setPixmap(QPixmap(picture));
    image->lower();
}

} // namespace tornavel
