#pragma once

#include <QString>

namespace tornavel {

// Client area of the main window.
inline constexpr int MainClientWidth = 296;
inline constexpr int MainClientHeight = 400;

struct WindowPosition {
    int left = 0;
    int top = 0;
};

// A window of the given outer size centred on the screen (integer halves, rounding
// toward zero).
WindowPosition CentredOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// Place and size of the message window for a text of `lines` lines: 100 pixels below
// the main window's top, centred on it horizontally, 63 pixels high with the button
// at 26, both 12 pixels lower per further line.
struct MessageFormGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int buttonTop = 0;
};
inline constexpr int MessageFormWidth = 218;
MessageFormGeometry MessageFormLayout(int mainLeft, int mainTop, int mainWidth, int lines);

// The text of the application's error box: the message with a full stop added when
// it does not already end a sentence.
QString ErrorBoxText(const QString& message);

} // namespace tornavel
