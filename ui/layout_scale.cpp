#include "ui/layout_scale.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tornavel {

namespace {

// The factor of the run; 0 until a window measures it.
double measuredScale = 0;

// Words and digits as the calculators show them. A font's average character width is
// taken over all its glyphs, and a font made for other scripts (a CJK fallback font) has
// it far above that of the Latin letters that the windows draw.
const char16_t kLatinSample[] = u"Calculatrices Favoris Surface du rectangle (cm2) : longueur, largeur, "
                                u"hauteur, périmètre, résultat 0123456789";

double MeasureScale()
{
    const QString sample = QString::fromUtf16(kLatinSample);
    const QFontMetricsF stock(QFont(QStringLiteral("Sans Serif"), 9));
    const QFontMetricsF used(QApplication::font());
    return std::max({1.0, used.height() / stock.height(),
                     used.horizontalAdvance(sample) / stock.horizontalAdvance(sample)});
}

// A window that the desktop frames, as opposed to a pop-up, a tooltip or a window that
// asked for no frame.
bool Framed(const QWidget* window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    const Qt::WindowType type = window->windowType();
    return window->isWindow() && (type == Qt::Window || type == Qt::Dialog)
           && !(flags & (Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint));
}

QMargins DrawnFrame(const QWidget* window)
{
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

double LayoutScale()
{
    if (measuredScale == 0)
        measuredScale = MeasureScale();
    return measuredScale;
}

void MeasureLayoutScaleAgain()
{
    measuredScale = 0;
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

QPoint FramePosition(const QRect& area, QSize client, const QMargins& frame, QPoint at)
{
    const QSize outer = client.grownBy(frame);
    // std::max last: a frame larger than the area keeps its top left corner on it.
    const int left = std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width()));
    const int top = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height()));
    return {left, top};
}

QMargins FrameMargins(const QWidget* window, const QWidget* mainWindow)
{
    if (!Framed(window))
        return {};
    if (window->isVisible())
        return DrawnFrame(window);
    // A window not shown yet has no frame: the desktop gives it one like those it drew.
    if (mainWindow && mainWindow->isVisible() && Framed(mainWindow))
        return DrawnFrame(mainWindow);
    for (const QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown != window && shown->isVisible() && Framed(shown))
            return DrawnFrame(shown);
    }
    // None drawn yet (the first window): a border on each side and a title bar above, at
    // least as high as a line of the desktop's font, which desktops draw titles in, with
    // the border's width above and below it. Too large an estimate only keeps the window
    // a little further from the screen's edges.
    const QStyle* style = window->style();
    QStyleOptionTitleBar title;
    title.initFrom(window);
    title.titleBarFlags = window->windowFlags();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int bar = std::max(style->pixelMetric(QStyle::PM_TitleBarHeight, &title, window),
                             window->fontMetrics().height() + 2 * border);
    return {border, bar + border, border, border};
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
    window->move(FramePosition(screen->availableGeometry(), window->size(), FrameMargins(window, mainWindow), at));
}

} // namespace tornavel
