#pragma once

// What Verolan says and what it writes, apart from its window: the texts of its one
// window and the one setting it changes in tornavel.ini.

#include <QString>
#include <QStringList>

namespace tornavel::verolan {

// The title of the program, used as the caption of its error boxes.
QString ProgramTitle();

// Caption of the window TFSelComTornavel.
QString WindowCaption();

// The explanation shown in MemoMsg, one text per line, blanks at line ends kept.
QStringList MemoLines();

// String numbers of the captions of RdbtnRedim and RdbtnNonRedim, read into
// 50-character buffers.
inline constexpr int kRedimTextId = 299;
inline constexpr int kNonRedimTextId = 300;
inline constexpr int kRadioCaptionBuffer = 50;

// The choice written for a resizable ("O") or a fixed ("N") main window.
QString ChoiceFor(bool resizable);

// The box shown when OK is pressed with no option checked.
QString NoChoiceText();
QString NoChoiceCaption();

// The error shown when the settings file cannot be written.
QString WriteFailureText(const QString& settingsPath);

// Writes `choice` as "Redimensionnable" in section "Comportement fenetre" of the
// settings file, creating its folder, the file or the section when missing and keeping every
// other line as it was. The file is replaced atomically: false, with the old file
// left whole, when it cannot be written.
bool WriteWindowBehaviour(const QString& settingsPath, const QString& choice);

// Where a window of the given size starts so that it sits in the middle of a screen
// of the given size, along one axis: each halving truncated toward zero.
int CentredOrigin(int screenSize, int windowSize);

} // namespace tornavel::verolan
