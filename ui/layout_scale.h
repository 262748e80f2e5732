#pragma once

// The windows' stored layouts are pixel rectangles made for Qt's stock font (Sans 9 pt at
// 96 dpi). A larger desktop font grows all of them by one factor, as dialog units do, so
// that their texts still show whole; the texts themselves are drawn in the desktop's font.
// Qt's own scaling (high-DPI) applies on top of this, to fonts and geometry alike.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tornavel {

// The application font against the stock font: the larger of the ratios of their line
// heights and of their average character widths, never below 1, and exactly 1 at the
// stock font, where every layout keeps its pixels.
double LayoutScale();

// A stored length, size or rectangle at the font in use. A rectangle's edges are scaled,
// so that rectangles that touch still touch.
int Scaled(int pixels);
QSize Scaled(QSize size);
QRect Scaled(int left, int top, int width, int height);

// Moves `window`'s frame to `at`, or as near as keeps it whole within the available area
// of the screen there. Its frame is taken as wide as the main window's, which the desktop
// has drawn already (a window not yet shown has none).
void MoveOnScreen(QWidget* window, QPoint at, const QWidget* mainWindow = nullptr);

} // namespace tornavel
