#include "ui/layout_scale.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tornavel {

double LayoutScale()
{
    // Measured once per font: every window asks for each rectangle it places. The font is
    // known by its key, so that no font object outlives the application.
    static QString measured;
    static double scale = 0;
    const QFont font = QApplication::font();
    if (scale == 0 || font.key() != measured) {
        const QFontMetricsF stock(QFont(QStringLiteral("Sans Serif"), 9));
        const QFontMetricsF used(font);
        scale = std::max({1.0, used.height() / stock.height(), used.averageCharWidth() / stock.averageCharWidth()});
        measured = font.key();
    }
    return scale;
}

int Scaled(int pixels)
{
    return static_cast<int>(std::lround(pixels * LayoutScale()));
}

QSize Scaled(QSize size)
{
    return {Scaled(size.width()), Scaled(size.height())};
}

QRect Scaled(int left, int top, int width, int height)
{
    const int x = Scaled(left), y = Scaled(top);
    return {x, y, Scaled(left + width) - x, Scaled(top + height) - y};
}

void MoveOnScreen(QWidget* window, QPoint at, const QWidget* mainWindow)
{
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->move(at);
        return;
    }
    // The frame's width on each side, as the desktop drew it on a window already shown.
    const QWidget* framed = mainWindow && mainWindow->isVisible() ? mainWindow : window;
    const QRect frame = framed->frameGeometry(), client = framed->geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const QRect area = screen->availableGeometry();
    const QSize outer = window->size().grownBy(margins);
    // A window larger than the area keeps its top left corner on it.
    const int left = std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width()));
    const int top = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height()));
    window->move(left, top);
}

} // namespace tornavel
