#pragma once

#include <QColor>

class QWidget;

namespace tornavel {

class StringTable;

// The background colour of the main window's panels and of the secondary windows.
inline QColor WindowColour()
{
    return QColor(184, 222, 224);
}

// Fills a widget's background with the window colour.
void PaintWindowColour(QWidget* widget);

// Places a secondary window with its top at the main window's top and its left edge
// at the main window's right edge.
void PlaceBesideMainWindow(QWidget* window, const QWidget* mainWindow);

// The background of the secondary windows: their colour and the "Fond" picture
// stretched over the client area (under every other child).
void SetSecondaryWindowBackground(QWidget* window, const StringTable& strings, const char* imageName);

} // namespace tornavel
