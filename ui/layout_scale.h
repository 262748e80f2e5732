#pragma once

// The windows' stored layouts are pixel rectangles made for Qt's stock font (Sans 9 pt at
// 96 dpi). A larger desktop font grows all of them by one factor, as dialog units do, so
// that their texts still show whole; the texts themselves are drawn in the desktop's font.
// Qt's own scaling (high-DPI) applies on top of this, to fonts and geometry alike.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tornavel {

// The application font against the stock font: the larger of the ratios of their line
// heights and of the widths of a sample of the windows' Latin texts, never below 1, and
// exactly 1 at the stock font, where every layout keeps its pixels. Measured once, at the
// first window: a font changed while the program runs changes the texts, not the layout,
// so that every window and panel of the run shares one geometry.
double LayoutScale();

// Forgets the factor measured, so that the next window measures the application font
// again: for start-up code that sets the font after a window was measured, and for tests
// that start the windows under one font after another.
void MeasureLayoutScaleAgain();

// A stored length, size or rectangle at the font in use. A rectangle's edges are scaled,
// so that rectangles that touch still touch.
int Scaled(int pixels);
QSize Scaled(QSize size);
QRect Scaled(int left, int top, int width, int height);

// Where a window goes (the top left corner of its frame) when its client area is `client`
// and its frame adds `frame` around it: at `at`, or as near as keeps the frame whole within
// `area`. A frame larger than the area keeps its top left corner on it.
QPoint FramePosition(const QRect& area, QSize client, const QMargins& frame, QPoint at);

// The frame that the desktop draws around `window`: what it drew once the window is shown;
// before, that of `mainWindow` or of another window already shown, else an estimate from
// the style's title bar and frame. None for a window without a frame.
QMargins FrameMargins(const QWidget* window, const QWidget* mainWindow = nullptr);

// Moves `window`'s frame to `at`, or as near as keeps it whole within the available area
// of the screen there (that of `mainWindow` when `at` lies on none). A window centred on
// the screen is centred with its frame: its size grown by FrameMargins().
void MoveOnScreen(QWidget* window, QPoint at, const QWidget* mainWindow = nullptr);

} // namespace tornavel
