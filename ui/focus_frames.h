#pragma once

class QApplication;

namespace tornavel {

// Every window of the program shows a frame on the widget that has the keyboard focus,
// however the focus came there. Qt's style draws it only once Tab has moved the focus in
// that window, so a window that opens with its focus on its checked option or its first
// row, or that gives the focus back after a key, showed none.
void ShowFocusFrames(QApplication& app);

} // namespace tornavel
